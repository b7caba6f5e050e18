#pragma once
// The program's subcommands, run from a shell with no display: `trigtutor solve` reads a typed
// equation and prints its solutions, `trigtutor worksheet` writes a worksheet PDF. One table:
// a new subcommand is one more row.
#include <QJsonObject>
#include <span>
#include <string_view>

#include "shell/command_line.h"

namespace solvers {
struct TypedEquation;
}

namespace app {

std::span<const Subcommand> subcommands();

// The JSON object `trigtutor solve --json` prints for an equation read (ok()).
QJsonObject solutionJson(const solvers::TypedEquation& equation, bool withSteps);

}  // namespace app
