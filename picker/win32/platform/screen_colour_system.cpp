#include "screen_colour_system.h"

#include <cstring>

namespace tintwell::win32 {

namespace {

// Windows 11 24H2's query of the colour mode in effect, bound by its documented type
// and size: MinGW's headers and older systems do not know it (they answer
// ERROR_INVALID_PARAMETER, and the older query is asked instead).
constexpr DISPLAYCONFIG_DEVICE_INFO_TYPE kAdvancedColourInfo2 =
    static_cast<DISPLAYCONFIG_DEVICE_INFO_TYPE>(15);
struct AdvancedColourInfo2 {
    DISPLAYCONFIG_DEVICE_INFO_HEADER header;
    // advancedColorSupported, advancedColorActive, reserved, advancedColorLimitedByPolicy,
    // highDynamicRangeSupported, highDynamicRangeUserEnabled, wideColorSupported,
    // wideColorUserEnabled, from the lowest bit.
    UINT32 value;
    UINT32 colorEncoding;
    UINT32 bitsPerColorChannel;
    // 0 SDR, 1 wide colour, 2 HDR.
    UINT32 activeColorMode;
};
static_assert(sizeof(AdvancedColourInfo2) == sizeof(DISPLAYCONFIG_DEVICE_INFO_HEADER) + 16,
              "the documented layout");

struct MonitorDevice {
    ScreenRect bounds;
    WCHAR name[CCHDEVICENAME];
};

BOOL CALLBACK AddMonitorDevice(HMONITOR monitor, HDC, RECT *, LPARAM list) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        MonitorDevice device{};
        device.bounds = ScreenRect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right,
                                   info.rcMonitor.bottom};
        std::memcpy(device.name, info.szDevice, sizeof(device.name));
        reinterpret_cast<std::vector<MonitorDevice> *>(list)->push_back(device);
    }
    return TRUE;
}

}  // namespace

SystemScreenColour::SystemScreenColour()
    : user32_(L"user32.dll"),
      gdi32_(L"gdi32.dll"),
      advapi32_(L"advapi32.dll"),
      bufferSizes_(user32_, "GetDisplayConfigBufferSizes"),
      queryConfig_(user32_, "QueryDisplayConfig"),
      deviceInfo_(user32_, "DisplayConfigGetDeviceInfo"),
      icmProfile_(gdi32_, "GetICMProfileW"),
      regGetValue_(advapi32_, "RegGetValueW") {}

std::vector<MonitorAnswers> SystemScreenColour::Monitors() {
    std::vector<MonitorDevice> devices;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitorDevice, reinterpret_cast<LPARAM>(&devices));
    std::vector<MonitorAnswers> monitors;
    for (const MonitorDevice &device : devices) {
        MonitorAnswers answers;
        answers.bounds = device.bounds;
        AskDisplayConfig(device.name, answers);
        answers.profile = ProfileOf(device.name);
        monitors.push_back(std::move(answers));
    }
    return monitors;
}

// The display configuration's active path whose source is the monitor's device, and
// what its target says.
void SystemScreenColour::AskDisplayConfig(const wchar_t *device, MonitorAnswers &answers) {
    auto sizes = bufferSizes_.GetOptional();
    auto query = queryConfig_.GetOptional();
    auto info = deviceInfo_.GetOptional();
    if (sizes == nullptr || query == nullptr || info == nullptr) return;
    UINT32 pathCount = 0;
    UINT32 modeCount = 0;
    std::vector<DISPLAYCONFIG_PATH_INFO> paths;
    std::vector<DISPLAYCONFIG_MODE_INFO> modes;
    // The configuration may change between the two calls; a few tries, then nothing.
    LONG result = ERROR_INSUFFICIENT_BUFFER;
    for (int attempt = 0; attempt < 3 && result == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
        if (sizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) != ERROR_SUCCESS) return;
        paths.resize(pathCount);
        modes.resize(modeCount);
        result = query(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths.data(), &modeCount, modes.data(),
                       nullptr);
    }
    if (result != ERROR_SUCCESS) return;
    paths.resize(pathCount);
    for (const DISPLAYCONFIG_PATH_INFO &path : paths) {
        DISPLAYCONFIG_SOURCE_DEVICE_NAME source{};
        source.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME;
        source.header.size = sizeof(source);
        source.header.adapterId = path.sourceInfo.adapterId;
        source.header.id = path.sourceInfo.id;
        if (info(&source.header) != ERROR_SUCCESS) continue;
        if (std::wcscmp(source.viewGdiDeviceName, device) != 0) continue;

        AdvancedColourInfo2 colour2{};
        colour2.header.type = kAdvancedColourInfo2;
        colour2.header.size = sizeof(colour2);
        colour2.header.adapterId = path.targetInfo.adapterId;
        colour2.header.id = path.targetInfo.id;
        DISPLAYCONFIG_GET_ADVANCED_COLOR_INFO colour{};
        colour.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_ADVANCED_COLOR_INFO;
        colour.header.size = sizeof(colour);
        colour.header.adapterId = path.targetInfo.adapterId;
        colour.header.id = path.targetInfo.id;
        if (info(&colour2.header) == ERROR_SUCCESS) {
            MonitorAnswers::AdvancedColour answer;
            answer.supported = (colour2.value & 0x1u) != 0;
            answer.enabled = (colour2.value & 0x2u) != 0;
            answer.activeMode = static_cast<int>(colour2.activeColorMode);
            answers.advancedColour = answer;
        } else if (info(&colour.header) == ERROR_SUCCESS) {
            MonitorAnswers::AdvancedColour answer;
            answer.supported = colour.advancedColorSupported != 0;
            answer.enabled = colour.advancedColorEnabled != 0;
            answer.wideColourEnforced = colour.wideColorEnforced != 0;
            answer.forceDisabled = colour.advancedColorForceDisabled != 0;
            answers.advancedColour = answer;
        }
        DISPLAYCONFIG_SDR_WHITE_LEVEL white{};
        white.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SDR_WHITE_LEVEL;
        white.header.size = sizeof(white);
        white.header.adapterId = path.targetInfo.adapterId;
        white.header.id = path.targetInfo.id;
        if (info(&white.header) == ERROR_SUCCESS) answers.sdrWhite = white.SDRWhiteLevel;
        return;
    }
}

std::optional<std::u16string> SystemScreenColour::ProfileOf(const wchar_t *device) {
    auto profile = icmProfile_.GetOptional();
    if (profile == nullptr) return std::nullopt;
    HDC dc = CreateDCW(device, device, nullptr, nullptr);
    if (dc == nullptr) return std::nullopt;
    WCHAR name[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH;
    const BOOL found = profile(dc, &size, name);
    DeleteDC(dc);
    if (!found) return std::nullopt;
    name[MAX_PATH] = L'\0';
    std::u16string text;
    for (const WCHAR *c = name; *c != L'\0'; ++c) text.push_back(static_cast<char16_t>(*c));
    return text;
}

// A registry read the user did not ask for as such: it is made only when the user
// starts sampling or picking from the screen (and again when the settings change while
// they do), because a colour read then under the filters is not the colour seen, and
// saying so is part of reading the screen right. It reads one value, writes nothing,
// and never runs with the program merely open.
std::optional<bool> SystemScreenColour::FiltersOn() {
    auto getValue = regGetValue_.GetOptional();
    if (getValue == nullptr) return std::nullopt;
    DWORD active = 0;
    DWORD size = sizeof(active);
    if (getValue(HKEY_CURRENT_USER, L"Software\\Microsoft\\ColorFiltering", L"Active",
                 RRF_RT_REG_DWORD, nullptr, &active, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return active != 0;
}

}  // namespace tintwell::win32
