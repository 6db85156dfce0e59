#include "harness.h"

#include <dlfcn.h>

#include <stdexcept>

#include "picker_state.h"

namespace tintwell::testing {

namespace {

CallLog *spyLog = nullptr;

void AppendToSpyLog(const char *entry) {
    if (spyLog != nullptr) spyLog->Add(entry);
}

template <typename Function>
Function Bind(void *module, const char *name) {
    void *symbol = dlsym(module, name);
    if (symbol == nullptr) throw std::runtime_error(std::string("spy export missing: ") + name);
    return reinterpret_cast<Function>(symbol);
}

}  // namespace

SpyConnection::SpyConnection(const std::string &path, CallLog &log)
    : module_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (module_ == nullptr) throw std::runtime_error("cannot open the spy library " + path);
    spyLog = &log;
    Bind<void (*)(void (*)(const char *))>(module_, "SpySetSink")(&AppendToSpyLog);
}

SpyConnection::~SpyConnection() {
    Bind<void (*)(void (*)(const char *))>(module_, "SpySetSink")(nullptr);
    spyLog = nullptr;
    dlclose(module_);
}

void SpyConnection::SetAnswer(ColorRef colour) {
    Bind<void (*)(uint32_t)>(module_, "SpySetAnswer")(colour);
}

ColorRef Rgb(int32_t red, int32_t green, int32_t blue) {
    return PackColour(red, green, blue);
}

}  // namespace tintwell::testing
