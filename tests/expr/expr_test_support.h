#pragma once
// The state the expression windows share, saved before a test and put back after it.
#include <array>

#include <QString>

#include "common/test_support.h"
#include "expr/calculator.h"
#include "expr/typed_expression.h"

class ExpressionStateScope {
public:
    ExpressionStateScope()
        : m_calculator(app::calculatorState())
    {
        app::calculatorState() = app::CalculatorState();
    }
    ~ExpressionStateScope()
    {
        app::calculatorState() = m_calculator;
    }

private:
    ScratchDirectory m_scratch;
    app::CalculatorState m_calculator;
};
