// The Advanced page: threads, instruction set, caches and temporary files. Most of these take
// effect only when the host starts again, which the page reports through RestartNotice.

#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "resource_ids.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kThreads,
  kCpu,
  kProcesses,
  kL1,
  kL2,
  kReserve,
  kFileBased,
  kTempSize,
  kAsyncSize,
  kTempRead,
  kTempLock,
  kSystemTemp,
  kTempFolder,
  kSortMemory,
  kTempAuto,
  kMemoryFile,
};

constexpr SettingRow kRows[] = {
    Dword(u"MaxThreads", 0).Bits(0x4000),
    Dword(u"CPU", 0),
    FlagDword(flag::kMultipleProcesses),
    Dword(u"L1CacheSize", 256),
    Dword(u"L2CacheSize", 128),
    Dword(u"MaxReserveBits", 0),
    FlagDword(flag::kUseFileBased),
    Dword(u"TempFileSize", 300),
    Dword(u"AsyncFileSize", 10),
    FlagDword(flag::kTempFileRead),
    FlagDword(flag::kTempFileLock),
    Dword(u"SystemTemp", 1),
    Text(u"TempFolder", 260).IgnoreCase(),
    Dword(u"SortMemoryPercent", 90).Bits(0x4000),
    FlagDword(flag::kTempFileSizeAuto),
    Dword(u"MemoryFileMB", 0).Result(128),
};

constexpr uint16_t kCpuItems[] = {IDS_CPU_AUTOMATIC, IDS_CPU_SSE2, IDS_CPU_SSE42, IDS_CPU_AVX2,
                                  IDS_CPU_AVX512};

constexpr Binding kBindings[] = {
    Number(IDC_ADV_THREADS, kThreads),
    Combo(IDC_ADV_CPU, kCpu, kCpuItems),
    Check(IDC_ADV_PROCESSES, kProcesses),
    Number(IDC_ADV_L1, kL1),
    Number(IDC_ADV_L2, kL2),
    Number(IDC_ADV_RESERVE, kReserve),
    Check(IDC_ADV_FILE_BASED, kFileBased),
    Number(IDC_ADV_TEMP_SIZE, kTempSize),
    Number(IDC_ADV_ASYNC_SIZE, kAsyncSize),
    Check(IDC_ADV_TEMP_READ, kTempRead),
    Check(IDC_ADV_TEMP_LOCK, kTempLock),
    Check(IDC_ADV_SYSTEM_TEMP, kSystemTemp),
    Edit(IDC_ADV_TEMP_FOLDER, kTempFolder),
    Browse(IDC_ADV_BROWSE_TEMP, kTempFolder),
    Number(IDC_ADV_SORT_MEMORY, kSortMemory),
    Check(IDC_ADV_TEMP_AUTO, kTempAuto),
    Number(IDC_ADV_MEMORY_FILE, kMemoryFile),
};

constexpr EnableRule kEnables[] = {
    {IDC_ADV_TEMP_SIZE, Effect::kEnable, IDC_ADV_FILE_BASED},
    {IDC_ADV_TEMP_SIZE_UNIT, Effect::kEnable, IDC_ADV_FILE_BASED},
    {IDC_ADV_TEMP_AUTO, Effect::kEnable, IDC_ADV_FILE_BASED},
    {IDC_ADV_TEMP_SIZE, Effect::kEnableOff, IDC_ADV_TEMP_AUTO},
    {IDC_ADV_TEMP_SIZE_UNIT, Effect::kEnableOff, IDC_ADV_TEMP_AUTO},
    {IDC_ADV_TEMP_FOLDER, Effect::kEnableOff, IDC_ADV_SYSTEM_TEMP},
    {IDC_ADV_TEMP_FOLDER_LABEL, Effect::kEnableOff, IDC_ADV_SYSTEM_TEMP},
    {IDC_ADV_BROWSE_TEMP, Effect::kEnableOff, IDC_ADV_SYSTEM_TEMP},
};

// The instruction-set level of a "CPU" choice: automatic, the two 128-bit sets, then AVX2 and
// AVX-512. A change of level needs a restart; a change within one level does not.
uint64_t CpuLevel(uint64_t cpu) {
  switch (cpu) {
    case 1:
    case 2:
      return 1;
    case 3:
      return 2;
    case 4:
      return 3;
    default:
      return 0;
  }
}

class AdvancedRules : public PageRules {
 public:
  uint64_t AfterSave(PageModel& m, SaveContext& ctx, uint64_t bits) const override {
    constexpr uint8_t kNeedRestart[] = {kL1,         kL2,         kReserve,   kFileBased,
                                        kTempSize,   kAsyncSize,  kTempRead,  kTempLock,
                                        kSystemTemp, kTempFolder, kProcesses, kTempAuto};
    bool restart = false;
    for (uint8_t row : kNeedRestart) restart = restart || m.Changed(row);
    const bool cpuChanged = m.Changed(kCpu);
    const bool newLevel = CpuLevel(m.Working(kCpu).number) != CpuLevel(m.Loaded(kCpu).number);
    restart = restart || (cpuChanged && newLevel);
    if (cpuChanged && !newLevel) bits |= 0x4000;
    if (ctx.restart) *ctx.restart = !restart ? 0 : m.Changed(kProcesses) ? 8193 : 4097;
    return bits;
  }
};

const AdvancedRules kRules;

}  // namespace

const PageDescriptor kAdvancedPage =
    Describe(IDD_CUST_ADVANCED, HELP_TOPIC_CUST_ADVANCED, kRows, kBindings, kEnables, {}, &kRules);

}  // namespace scrv
