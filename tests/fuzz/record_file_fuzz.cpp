// Record files come from disk, written by the host or by anything else: reading one must never
// go past its end, and whatever reads back must rebuild into a file that reads back the same.

#include <cstdint>
#include <cstdlib>

#include "settings/settings_record.h"

namespace {

// The record whose magic word the input starts with, so every layout is reached; record 0
// (which then refuses the file) for anything else.
const scrv::RecordInfo& RecordFor(const uint8_t* data, size_t size) {
  uint32_t magic = 0;
  for (size_t i = 0; i < 4 && i < size; ++i) magic |= static_cast<uint32_t>(data[i]) << (8 * i);
  uint32_t offset = magic - scrv::kFirstRecordMagic;
  uint32_t number = 0;
  if (magic >= scrv::kFirstRecordMagic && offset % scrv::kRecordMagicStep == 0)
    number = offset / scrv::kRecordMagicStep;
  const scrv::RecordInfo* info = scrv::RecordInfoAt(number);
  return info ? *info : *scrv::RecordInfoAt(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const scrv::RecordInfo& info = RecordFor(data, size);
  scrv::RecordLists lists;
  if (!scrv::ParseRecordFile(data, size, info.magic, info.text, lists)) {
    if (!(lists == scrv::RecordLists{})) std::abort();  // a refused file leaves nothing behind
    return 0;
  }
  auto file = scrv::BuildRecordFile(lists, info.magic, info.text);
  if (!file) std::abort();
  scrv::RecordLists again;
  if (!scrv::ParseRecordFile(file->data(), file->size(), info.magic, info.text, again))
    std::abort();
  auto rebuilt = scrv::BuildRecordFile(again, info.magic, info.text);
  if (!rebuilt || *rebuilt != *file) std::abort();
  return 0;
}
