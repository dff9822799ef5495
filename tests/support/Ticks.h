#pragma once

#include "Fakes.h"
#include "core/Program.h"
#include "core/SessionTimer.h"

// The session clock's ticks in accelerated time: each one a second after the last on the fake clock.
inline void tickSeconds(Program& program, FakeClock& clock, int seconds = 1) {
    for (int i = 0; i < seconds; ++i) {
        clock.advance(1000);
        SessionTimer::timer_Timer(program);
    }
}
