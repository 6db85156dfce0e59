#include "handler_routes.h"

#include <cstddef>

namespace tintwell::win32 {

namespace {

struct ClickRoute {
    ControlId control;
    ClickHandler click;
};

struct PointerRoute {
    ControlId control;
    PointerHandler press;
    PointerHandler move;
};

struct KeyRoute {
    ControlId control;
    KeyHandler keyDown;
};

constexpr ClickRoute kClickRoutes[] = {
    {kOption1, &Form::Option1_Click}, {kOption4, &Form::Option4_Click},
    {kOption5, &Form::Option5_Click}, {kOption6, &Form::Option6_Click},
    {kCheck1, &Form::Check1_Click},   {kCheck3, &Form::Check3_Click},
    {kCheck4, &Form::Check4_Click},   {kCommand1, &Form::Command1_Click},
};

// Label2 reports moves only: a press on the arrow picks nothing.
constexpr PointerRoute kPointerRoutes[] = {
    {kPicture1, &Form::Picture1_mousedown, &Form::Picture1_MouseMove},
    {kPicture2, &Form::Picture2_mousedown, &Form::Picture2_MouseMove},
    {kLabel1, &Form::Label1_Mousedown, &Form::Label1_Mousemove},
    {kLabel2, nullptr, &Form::Label2_Mousemove},
};

constexpr KeyRoute kKeyRoutes[] = {
    {kPicture1, &Form::Picture1_KeyDown},
    {kPicture2, &Form::Picture2_KeyDown},
};

// The handler in `field` of the control's route, or nullptr when it has none.
template <typename Route, size_t Count, typename Handler>
Handler HandlerOf(const Route (&routes)[Count], int control, Handler Route::*field) {
    for (const Route &route : routes) {
        if (route.control == control) return route.*field;
    }
    return nullptr;
}

}  // namespace

ClickHandler ClickHandlerOf(int control) {
    return HandlerOf(kClickRoutes, control, &ClickRoute::click);
}

PointerHandler PressHandlerOf(ControlId control) {
    return HandlerOf(kPointerRoutes, control, &PointerRoute::press);
}

PointerHandler MoveHandlerOf(ControlId control) {
    return HandlerOf(kPointerRoutes, control, &PointerRoute::move);
}

KeyHandler KeyHandlerOf(ControlId control) {
    return HandlerOf(kKeyRoutes, control, &KeyRoute::keyDown);
}

}  // namespace tintwell::win32
