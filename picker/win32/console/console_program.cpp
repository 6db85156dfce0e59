#include "console_program.h"

#include <exception>
#include <optional>

#include "clipboard.h"
#include "console_answer.h"
#include "console_pick.h"
#include "console_request.h"
#include "screen_reader.h"
#include "standard_stream.h"
#include "system_library.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

int Code(ConsoleExit exit) {
    return static_cast<int>(exit);
}

// Windows' line ends for the texts written in several lines.
std::string WithCrLf(std::string text) {
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
        if (at > 0 && text[at - 1] == '\r') continue;
        text.replace(at, 1, "\r\n");
    }
    return text;
}

// What a command found: the colour and, for the screen, where.
struct Found {
    ColorRef colour = 0;
    std::optional<ScreenPoint> point;
};

// A hidden window that owns the clipboard for a copy (with no owner, the system takes
// no data after emptying it).
class ClipboardOwner {
  public:
    explicit ClipboardOwner(HINSTANCE instance)
        : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                                  nullptr)) {}
    ~ClipboardOwner() {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    ClipboardOwner(const ClipboardOwner &) = delete;
    ClipboardOwner &operator=(const ClipboardOwner &) = delete;
    HWND get() const { return window_; }

  private:
    HWND window_;
};

class Program {
  public:
    explicit Program(HINSTANCE instance)
        : instance_(instance),
          out_(STD_OUTPUT_HANDLE),
          err_(STD_ERROR_HANDLE),
          user32_(L"user32.dll"),
          gdi32_(L"gdi32.dll") {}

    int Run(const std::vector<std::string> &arguments, const std::string &version) {
        const ConsoleArguments read = ReadConsoleArguments(arguments);
        if (!read.request) return Say(read.error, ConsoleExit::BadInput);
        const ConsoleRequest &request = *read.request;
        switch (request.command) {
            case ConsoleCommand::Help:
                return Print(WithCrLf(console_texts::kHelp));
            case ConsoleCommand::Version:
                return Print("tintwell-cli " + version + "\r\n");
            case ConsoleCommand::Convert:
                return Convert(request);
            case ConsoleCommand::At:
                return At(request);
            case ConsoleCommand::Pick:
                return Pick(request);
        }
        return Code(ConsoleExit::BadInput);
    }

  private:
    int Convert(const ConsoleRequest &request) {
        const ConsoleConversion conversion = ConvertConsoleText(request.text);
        if (!conversion.colour) {
            return Say(conversion.error + "\n" + console_texts::kUsageHint, ConsoleExit::BadInput);
        }
        if (!conversion.note.empty()) err_.Write(conversion.note + "\r\n");
        return Answer(request, Found{*conversion.colour, std::nullopt}, nullptr);
    }

    int At(const ConsoleRequest &request) {
        ScreenReader screen(user32_, gdi32_);
        const ScreenPoint point{request.x, request.y};
        if (!OnAnyMonitor(screen.monitors().Areas(), point)) {
            return Say(console_texts::kPointOnNoMonitor + std::to_string(request.x) + ", " +
                           std::to_string(request.y),
                       ConsoleExit::BadInput);
        }
        const ScreenSquare read =
            screen.ReadSquareAt(ScreenPoint{request.x, request.y}, SampleReach(request.sample));
        if (read.centre() == kInvalidColor) {
            return Say(console_texts::kCannotReadScreen, ConsoleExit::SystemFailure);
        }
        return Answer(request, Found{SampleOf(read, request.sample), point}, nullptr);
    }

    int Pick(const ConsoleRequest &request) {
        ScreenReader screen(user32_, gdi32_);
        ConsolePick pick(instance_, screen, request.sample);
        try {
            if (!pick.Create())
                err_.Write(WithCrLf(std::string(messages::kCannotCreateLoupe) + "\n"));
        } catch (const std::exception &) {
            return Say(console_texts::kCannotCreatePickWindow, ConsoleExit::SystemFailure);
        }
        const ConsolePickResult result = pick.Run();
        switch (result.kind) {
            case ConsolePickResult::Kind::Cancelled:
                return Code(ConsoleExit::Cancelled);
            case ConsolePickResult::Kind::Failed:
                return Say(result.failure, ConsoleExit::SystemFailure);
            case ConsolePickResult::Kind::Picked:
                break;
        }
        return Answer(request, Found{result.colour, result.point}, pick.window());
    }

    // The clipboard first, so that a copy that fails leaves standard output empty.
    int Answer(const ConsoleRequest &request, const Found &found, HWND window) {
        const std::string text = ConsoleColourText(request, found.colour);
        if (request.copy) {
            std::optional<ClipboardOwner> owner;
            if (window == nullptr) {
                owner.emplace(instance_);
                window = owner->get();
            }
            try {
                Clipboard clipboard(user32_, window);
                clipboard.SetText(Utf8ToUtf16(text), ClipboardHistory::Keep);
            } catch (const std::exception &error) {
                return Say(FailureMessage(error), ConsoleExit::SystemFailure);
            }
        }
        return Print(ConsoleLine(request, text, found.point));
    }

    int Print(const std::string &text) {
        if (out_.Write(text)) return Code(ConsoleExit::Done);
        return Say(console_texts::kCannotWriteOutput, ConsoleExit::SystemFailure);
    }

    int Say(const std::string &message, ConsoleExit exit) {
        err_.Write(WithCrLf(message + "\n"));
        return Code(exit);
    }

    HINSTANCE instance_;
    StandardStream out_;
    StandardStream err_;
    SystemLibrary user32_;
    SystemLibrary gdi32_;
};

}  // namespace

int RunConsolePicker(HINSTANCE instance, const std::vector<std::string> &arguments,
                     const std::string &version) {
    Program program(instance);
    try {
        return program.Run(arguments, version);
    } catch (const std::exception &error) {
        StandardStream(STD_ERROR_HANDLE).Write(FailureMessage(error) + "\r\n");
    } catch (...) {
        StandardStream(STD_ERROR_HANDLE).Write(std::string(messages::kUnexpectedError) + "\r\n");
    }
    return Code(ConsoleExit::SystemFailure);
}

}  // namespace tintwell::win32
