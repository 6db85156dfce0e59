#include "failing_window_sink.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace testsupport {

namespace {

class EndingSink : public tintwell::win32::FailureSink {
  public:
    void HandlerFailed(const std::exception_ptr &failure) noexcept override {
        const char *what = "not a std::exception";
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception &error) {
            what = error.what();
        } catch (...) {
        }
        std::fprintf(stderr, "a test window's message handling failed: %s\n", what);
        std::fflush(stderr);
        std::abort();
    }
};

}  // namespace

tintwell::win32::FailureSink &EndTheTestOnFailure() {
    static EndingSink sink;
    return sink;
}

}  // namespace testsupport
