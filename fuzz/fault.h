#pragma once
// What a fuzzer does when a check fails: stops at once, so that libFuzzer writes the input down.
// The reason stays in the source for whoever reads the stack.

[[noreturn]] inline void fault(const char* what)
{
    __builtin_trap();
    (void)what;
}
