// The failure sink of the test programs' own windows (a colour or a pattern to sample):
// a test window whose handling fails has broken the test itself, so the program says
// so on its error stream and ends there, rather than go on measuring a window that
// is not what it should be.
#ifndef TINTWELL_TESTS_SUPPORT_FAILING_WINDOW_SINK_H
#define TINTWELL_TESTS_SUPPORT_FAILING_WINDOW_SINK_H

#include "picker/win32/platform/failure_sink.h"

namespace testsupport {

tintwell::win32::FailureSink &EndTheTestOnFailure();

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_FAILING_WINDOW_SINK_H
