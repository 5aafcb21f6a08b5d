#include "settings/std_file_store.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <new>
#include <random>

namespace scrv {
namespace fs = std::filesystem;
namespace {

constexpr uint64_t kMaxReadSize = 0xFFFFFFFFull;  // files are read when below 4 GiB

// The clock's count is signed and may be negative before its epoch; flipping the sign bit
// keeps the order and leaves 0 free to mean "never loaded".
uint64_t Stamp(fs::file_time_type t) {
  return static_cast<uint64_t>(t.time_since_epoch().count()) ^ (uint64_t{1} << 63);
}

// A name no other writer in this folder is using.
fs::path TemporaryBeside(const fs::path& target) {
  static std::atomic<uint64_t> counter{0};
  static const uint64_t session =
      std::random_device{}() * 0x9E3779B97F4A7C15ull ^
      static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  fs::path tmp = target;
  tmp += ".";
  tmp += std::to_string(session ^ (++counter * 0xBF58476D1CE4E5B9ull));
  tmp += ".tmp";
  return tmp;
}

}  // namespace

uint64_t LastWriteStamp(std::u16string_view path) {
  try {
    std::error_code ec;
    fs::file_time_type t = fs::last_write_time(fs::path(std::u16string(path)), ec);
    return ec ? 0 : Stamp(t);
  } catch (...) {
    return 0;  // a path that does not convert to the system's form
  }
}

ReadResult StdFileStore::ReadWholeFile(std::u16string_view path, uint64_t* lastWrite,
                                       std::vector<uint8_t>& out) {
  try {
    fs::path p{std::u16string(path)};
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) return ReadResult::kFailed;
    // The time is taken before the bytes: a write in between makes the next load read again.
    fs::file_time_type t = fs::last_write_time(p, ec);
    if (ec) return ReadResult::kFailed;
    uint64_t stamp = Stamp(t);
    if (lastWrite && *lastWrite && stamp <= *lastWrite) return ReadResult::kUnchanged;
    uintmax_t size = fs::file_size(p, ec);
    if (ec || size == 0 || size >= kMaxReadSize) return ReadResult::kFailed;
    std::ifstream in(p, std::ios::binary);
    if (!in) return ReadResult::kFailed;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (static_cast<uintmax_t>(in.gcount()) != size) return ReadResult::kFailed;
    out = std::move(bytes);
    if (lastWrite) *lastWrite = stamp;
    return ReadResult::kRead;
  } catch (...) {
    return ReadResult::kFailed;  // out of memory, or a path that does not convert
  }
}

bool StdFileStore::WriteWholeFile(std::u16string_view path, const uint8_t* data, size_t size) {
  try {
    fs::path target{std::u16string(path)};
    fs::path tmp = TemporaryBeside(target);
    std::error_code ec;
    {
      std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
      if (!out) return false;
      if (size) out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
      out.flush();
      if (!out) {
        out.close();
        fs::remove(tmp, ec);
        return false;
      }
    }
    fs::rename(tmp, target, ec);
    if (ec) {
      fs::remove(tmp, ec);
      return false;
    }
    return true;
  } catch (...) {
    return false;
  }
}

bool StdFileStore::RemoveWholeFile(std::u16string_view path) {
  try {
    std::error_code ec;
    fs::remove(fs::path(std::u16string(path)), ec);
    return !ec;
  } catch (...) {
    return false;
  }
}

}  // namespace scrv
