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
        : m_factor(app::AngleFactor),
          m_calculator(app::calculatorState())
    {
        app::AngleFactor = app::DegreesAngleFactor;
        app::calculatorState() = app::CalculatorState();
    }
    ~ExpressionStateScope()
    {
        app::AngleFactor = m_factor;
        app::calculatorState() = m_calculator;
    }

private:
    ScratchDirectory m_scratch;
    float m_factor;
    app::CalculatorState m_calculator;
};
