// SPDX-License-Identifier: GPL-3.0-or-later
// What tavinel-core.js offers JavaScript, through embind: for now the version text.
//
//   const core = await TavinelCore();   // in a page (a script tag) or in Node (require)
//   core.version()                      // "2.01"
#include <emscripten/bind.h>

#include <string>

namespace {

std::string version()
{
    return TAVINEL_VERSION;
}

}

EMSCRIPTEN_BINDINGS(tavinel_core)
{
    emscripten::function("version", &version);
}
