#pragma once

// Ending the program from deep inside an action unwinds: ShutDown throws this, the event
// handler that started the action catches it and closes the windows in order (the main
// window's close writes ws.ini).
struct ShutDownRequest {};

[[noreturn]] inline void ShutDown()
{
    throw ShutDownRequest{};
}
