// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FaultCheck.h"

#include "core/Translation.h"

#include <cfenv>
#include <exception>

namespace {

// WebAssembly keeps no floating-point flags: there, only exceptions are caught.
#if defined(FE_DIVBYZERO) && defined(FE_INVALID) && defined(FE_OVERFLOW)
constexpr int FloatingPointFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
#else
constexpr int FloatingPointFaults = 0;
#endif

std::string floatingPointFault(int raised)
{
#if defined(FE_DIVBYZERO) && defined(FE_OVERFLOW)
    if (raised & FE_DIVBYZERO)
        return "Division by zero";
    if (raised & FE_OVERFLOW)
        return "Overflow";
#endif
    (void)raised;
    return "Invalid floating-point operation";
}

}

std::string runChecked(const std::function<void()>& work)
{
    // Flags raised before (by whoever ran first) are none of this work's; they are put
    // back afterwards.
    std::fexcept_t before;
    std::fegetexceptflag(&before, FE_ALL_EXCEPT);
    if (FloatingPointFaults != 0)
        std::feclearexcept(FloatingPointFaults);
    std::string error;
    try {
        work();
        if (const int raised = FloatingPointFaults != 0 ? std::fetestexcept(FloatingPointFaults) : 0)
            error = floatingPointFault(raised);
    } catch (const std::exception& exception) {
        error = exception.what();
    } catch (...) {
        error = "Unknown error";
    }
    std::fesetexceptflag(&before, FE_ALL_EXCEPT);
    return error;
}

std::string unexpectedErrorMessage(const std::string& error)
{
    return translated("Program", "Tavinel has met an unexpected error and must close.") + "\n\n" + error;
}
