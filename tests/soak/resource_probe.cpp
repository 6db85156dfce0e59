#include "resource_probe.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace soak {
namespace {

// One entry of the GDI handle table (24 bytes on 64-bit); a Type of 0 marks a free
// entry.
struct GdiHandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "64-bit GDI handle table layout");

constexpr size_t kGdiTableEntries = 0x10000;
constexpr size_t kPebGdiTableOffset = 0xF8;  // PEB.GdiSharedHandleTable on x64

using QueryProcess = NTSTATUS(NTAPI *)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

// The process's entries of its GDI handle table, or none when it cannot be read.
std::vector<GdiHandleEntry> ReadGdiTable(HANDLE process) {
    const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    if (query == nullptr) return {};
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (query(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return {};
    uint64_t table = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process,
                           reinterpret_cast<char *>(basic.PebBaseAddress) + kPebGdiTableOffset,
                           &table, sizeof table, &read) ||
        table == 0)
        return {};
    std::vector<GdiHandleEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process, reinterpret_cast<void *>(table), entries.data(),
                           entries.size() * sizeof(GdiHandleEntry), &read))
        return {};
    return entries;
}

int64_t CountGdiObjects(HANDLE process) {
    const std::vector<GdiHandleEntry> entries = ReadGdiTable(process);
    if (entries.empty()) return -1;
    int64_t inUse = 0;
    for (const GdiHandleEntry &entry : entries)
        if (entry.type != 0) ++inUse;
    return inUse;
}

struct WindowCount {
    DWORD processId;
    int64_t count;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount *>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    auto *counter = reinterpret_cast<WindowCount *>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == counter->processId) {
        ++counter->count;
        EnumChildWindows(window, CountChild, data);
    }
    return TRUE;
}

}  // namespace

Resources ReadResources(HANDLE process, DWORD processId) {
    Resources resources;
    const std::vector<GdiHandleEntry> entries = ReadGdiTable(process);
    if (!entries.empty()) {
        resources.gdiObjects = 0;
        for (const GdiHandleEntry &entry : entries) {
            if (entry.type == 0) continue;
            ++resources.gdiObjects;
            ++resources.gdiByType[entry.type];
        }
    }
    WindowCount windows{processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    resources.windows = windows.count;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, &counters, sizeof counters))
        resources.memoryBytes = static_cast<int64_t>(counters.PagefileUsage);
    return resources;
}

bool GdiCountSeesOwnObjects() {
    constexpr int kMade = 8;
    const int64_t before = CountGdiObjects(GetCurrentProcess());
    HBRUSH brushes[kMade];
    for (int i = 0; i < kMade; ++i) brushes[i] = CreateSolidBrush(RGB(0x12, 0x34, 0x56 + i));
    const int64_t during = CountGdiObjects(GetCurrentProcess());
    for (HBRUSH brush : brushes) DeleteObject(brush);
    const int64_t after = CountGdiObjects(GetCurrentProcess());
    return before >= 0 && during == before + kMade && after == before;
}

}  // namespace soak
