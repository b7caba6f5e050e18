#pragma once
// The state the expression windows share, saved before a test and put back after it.
#include <array>

#include <QString>

#include "common/test_support.h"
#include "expr/calculator.h"
#include "expr/coefficients.h"
#include "expr/typed_expression.h"

class ExpressionStateScope {
public:
    ExpressionStateScope()
        : m_factor(app::AngleFactor),
          m_a(app::CoefficientA),
          m_b(app::CoefficientB),
          m_c(app::CoefficientC),
          m_expressions(app::CoefficientExpressions),
          m_calculator(calculatorState())
    {
        app::AngleFactor = app::DegreesAngleFactor;
        calculatorState() = CalculatorState();
    }
    ~ExpressionStateScope()
    {
        app::AngleFactor = m_factor;
        app::CoefficientA = m_a;
        app::CoefficientB = m_b;
        app::CoefficientC = m_c;
        app::CoefficientExpressions = m_expressions;
        calculatorState() = m_calculator;
    }

private:
    ScratchDirectory m_scratch;
    float m_factor;
    long double m_a, m_b, m_c;
    std::array<QString, 3> m_expressions;
    CalculatorState m_calculator;
};
