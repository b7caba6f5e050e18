#include "maths/triangle.h"

#include <algorithm>

#include "maths/angles.h"

namespace triangles {

namespace {

double sinDeg(double d) { return double(std::sin(radians(d))); }
double cosDeg(double d) { return double(std::cos(radians(d))); }
double toDegrees(long double r) { return double(r * 180.0L / Pi); }
double acosDeg(double x) { return toDegrees(std::acos(std::clamp(x, -1.0, 1.0))); }
double asinDeg(double x) { return toDegrees(std::asin(std::clamp(x, -1.0, 1.0))); }

bool close(double x, double y, double relative)
{
    return std::fabs(x - y) <= relative * std::max(std::fabs(x), std::fabs(y));
}

// The side x facing the angle X between the sides y and z; the lengths are scaled by the longer
// of y and z so that their squares never overflow.
double cosinesSide(double y, double z, double X)
{
    const double k = std::max(y, z);
    const double u = y / k, v = z / k;
    return k * std::sqrt(std::max(0.0, u * u + v * v - 2 * u * v * cosDeg(X)));
}

// The angle X facing x in the triangle of sides x, y, z, scaled likewise.
double cosinesAngle(double y, double z, double x)
{
    const double k = std::max({x, y, z});
    const double u = y / k, v = z / k, w = x / k;
    return acosDeg((u * u + v * v - w * w) / (2 * u * v));
}

void measure(Triangle& t)
{
    const Parts& p = t.parts;
    t.perimeter = p[SideA] + p[SideB] + p[SideC];
    t.area = 0.5 * p[SideB] * p[SideC] * sinDeg(p[AngleA]);
    t.circumradius = p[SideA] / t.area * p[SideB] / 4 * p[SideC];
    t.inradius = 2 * t.area / t.perimeter;
}

int rank(Case c)
{
    switch (c) {
    case Case::SSS: return 0;
    case Case::SAS: return 1;
    case Case::ASA: return 2;
    case Case::AAS: return 3;
    case Case::SSA: return 4;
    case Case::None: break;
    }
    return 5;
}

// The case of three parts (indices ascending) and their order for solving.
Case classify(std::array<int, 3> t, std::array<int, 3>& used)
{
    const int sides = int(std::count_if(t.begin(), t.end(), isSide));
    if (sides == 3) {
        used = {SideA, SideB, SideC};
        return Case::SSS;
    }
    if (sides == 2) {
        const int s1 = t[0], s2 = t[1], X = t[2];
        if (opposite(X) != s1 && opposite(X) != s2) {
            used = {s1, X, s2};
            return Case::SAS;
        }
        used = {opposite(X), X, opposite(X) == s1 ? s2 : s1};
        return Case::SSA;
    }
    if (sides == 1) {
        const int s = t[0], X = t[1], Y = t[2];
        if (opposite(s) != X && opposite(s) != Y) {
            used = {X, s, Y};
            return Case::ASA;
        }
        used = {opposite(s) == X ? Y : X, opposite(s), s};
        return Case::AAS;
    }
    return Case::None;
}

Finding finding(Problem kind, int part = -1, int other = -1, int third = -1)
{
    Finding f;
    f.kind = kind;
    f.part = part;
    f.other = other;
    f.third = third;
    return f;
}

// Solves from the three parts `used` of the case; fills the triangles or the problem.
void solveCase(Solution& s)
{
    const Parts& g = s.given;
    Triangle t;
    t.parts = noParts();
    for (int i : s.used)
        t.parts[i] = g[i];
    Parts& p = t.parts;
    switch (s.kind) {
    case Case::SSS: {
        // The long side must be shorter than the two others together.
        const int longSide = int(std::max_element(g.begin(), g.begin() + 3) - g.begin());
        const int o1 = (longSide + 1) % 3, o2 = (longSide + 2) % 3;
        const double sum = g[o1] + g[o2];
        if (g[longSide] >= sum) {
            s.problem = finding(Problem::TriangleInequality, longSide, std::min(o1, o2), std::max(o1, o2));
            s.problem.value = g[longSide];
            s.problem.bound = sum;
            s.problem.excess = g[longSide] - sum;
            return;
        }
        p[AngleA] = cosinesAngle(p[SideB], p[SideC], p[SideA]);
        p[AngleB] = cosinesAngle(p[SideA], p[SideC], p[SideB]);
        p[AngleC] = 180 - p[AngleA] - p[AngleB];
        break;
    }
    case Case::SAS: {
        const auto [s1, X, s2] = s.used;
        const int x = opposite(X), Y1 = opposite(s1), Z = opposite(s2);
        p[x] = cosinesSide(p[s1], p[s2], p[X]);
        p[Y1] = cosinesAngle(p[x], p[s2], p[s1]);
        p[Z] = 180 - p[X] - p[Y1];
        break;
    }
    case Case::ASA:
    case Case::AAS: {
        const int side = s.used[s.kind == Case::ASA ? 1 : 2];
        const int facing = opposite(side);
        int missing = AngleA;
        while (given(p[missing]))
            ++missing;
        p[missing] = 180;
        for (int a = AngleA; a <= AngleC; ++a)
            if (a != missing) p[missing] -= p[a];
        for (int i = SideA; i <= SideC; ++i)
            if (i != side) p[i] = p[side] * sinDeg(p[opposite(i)]) / sinDeg(p[facing]);
        break;
    }
    case Case::SSA: {
        const auto [x, X, y] = s.used;
        const int Y = opposite(y);
        const int z = 3 - x - y, Z = opposite(z);
        const double h = p[y] * sinDeg(p[X]);
        double acute = 0;
        int count = 1;
        if (p[X] >= 90) {
            if (p[x] <= p[y] || close(p[x], p[y], Agreement)) {
                s.problem = finding(Problem::NotLongestOpposite, x, X, y);
                s.problem.value = p[x];
                s.problem.bound = p[y];
                return;
            }
            acute = asinDeg(h / p[x]);
        } else if (close(p[x], h, Agreement)) {
            acute = 90;
        } else if (p[x] < h) {
            s.problem = finding(Problem::ShorterThanHeight, x, X, y);
            s.problem.value = p[x];
            s.problem.bound = h;
            return;
        } else if (close(p[x], p[y], Agreement)) {
            acute = p[X];
        } else if (p[x] > p[y]) {
            acute = asinDeg(h / p[x]);
        } else {
            acute = asinDeg(h / p[x]);
            count = 2;
        }
        for (int k = 0; k < count; ++k) {
            Triangle& out = s.triangles[k];
            out = t;
            out.parts[Y] = k == 0 ? acute : 180 - acute;
            out.parts[Z] = 180 - out.parts[X] - out.parts[Y];
            out.parts[z] = out.parts[x] * sinDeg(out.parts[Z]) / sinDeg(out.parts[X]);
            measure(out);
        }
        s.count = count;
        return;
    }
    case Case::None: return;
    }
    measure(t);
    s.triangles[0] = t;
    s.count = 1;
}

}  // namespace

Solution solveTriangle(const Parts& given)
{
    Solution s;
    s.given = given;
    int count = 0, sides = 0;
    for (int i = 0; i < PartCount; ++i)
        if (triangles::given(given[i])) {
            ++count;
            sides += isSide(i);
        }
    if (count < 3) {
        s.problem = finding(Problem::TooFewParts);
        s.problem.count = count;
        return s;
    }
    for (int i = 0; i < PartCount; ++i) {
        if (!triangles::given(given[i])) continue;
        if (!std::isfinite(given[i])) {
            s.problem = finding(Problem::NotFinite, i);
            return s;
        }
        if (given[i] <= 0) {
            s.problem = finding(Problem::NotPositive, i);
            s.problem.value = given[i];
            return s;
        }
    }
    for (int i = AngleA; i <= AngleC; ++i) {
        if (!triangles::given(given[i])) continue;
        if (given[i] >= 180) {
            s.problem = finding(Problem::AnglesTooLarge, i);
            s.problem.value = given[i];
            return s;
        }
        for (int j = i + 1; j <= AngleC; ++j)
            if (triangles::given(given[j]) && given[i] + given[j] >= 180) {
                s.problem = finding(Problem::AnglesTooLarge, i, j);
                s.problem.value = given[i] + given[j];
                return s;
            }
    }
    if (sides == 0) {
        s.problem = finding(Problem::AnglesOnly);
        return s;
    }

    // The three given parts of the most direct case.
    int best = 6;
    for (int i = 0; i < PartCount; ++i)
        for (int j = i + 1; j < PartCount; ++j)
            for (int k = j + 1; k < PartCount; ++k) {
                if (!triangles::given(given[i]) || !triangles::given(given[j]) || !triangles::given(given[k]))
                    continue;
                std::array<int, 3> used;
                const Case c = classify({i, j, k}, used);
                if (c != Case::None && rank(c) < best) {
                    best = rank(c);
                    s.kind = c;
                    s.used = used;
                }
            }
    solveCase(s);
    if (count == 3 || s.count == 0) return s;

    // Parts beyond three keep the triangles they agree with.
    auto disagreement = [&](const Triangle& t) {
        for (int i = 0; i < PartCount; ++i)
            if (triangles::given(given[i]) && std::find(s.used.begin(), s.used.end(), i) == s.used.end() &&
                !close(given[i], t.parts[i], ExtraPartAgreement))
                return i;
        return -1;
    };
    const int first = disagreement(s.triangles[0]);
    if (s.count == 2 && disagreement(s.triangles[1]) < 0) {
        if (first >= 0) {
            s.triangles[0] = s.triangles[1];
            s.count = 1;
        }
        return s;
    }
    if (first >= 0) {
        s.problem = finding(Problem::Disagree, first);
        s.problem.value = given[first];
        s.problem.bound = s.triangles[0].parts[first];
        s.count = 0;
    } else {
        s.count = 1;
    }
    return s;
}

// ---- Worked steps --------------------------------------------------------------------------------

namespace {

solvers::StepValue named(const Parts& p, int part) { return {PartNames[part], p[part]}; }

solvers::Step angleSum(const Parts& p, int known1, int known2, int result)
{
    return {"triangle.angle_sum", {named(p, known1), named(p, known2), named(p, result)}, {}};
}

solvers::Step sinesSide(const Parts& p, int known, int target)
{
    return {"triangle.sines_side",
            {named(p, known), named(p, opposite(known)), named(p, opposite(target)), named(p, target)},
            {}};
}

solvers::Step cosinesAngleStep(const Parts& p, int angle)
{
    const int x = opposite(angle), y = (x + 1) % 3, z = (x + 2) % 3;
    return {"triangle.cosines_angle",
            {named(p, std::min(y, z)), named(p, std::max(y, z)), named(p, x), named(p, angle)},
            {}};
}

std::vector<solvers::Step> stepsOf(const Solution& s, int index)
{
    const Triangle& t = s.triangles[index];
    const Parts& p = t.parts;
    std::vector<solvers::Step> out;
    const auto [u0, u1, u2] = s.used;
    switch (s.kind) {
    case Case::SSS:
        out.push_back(cosinesAngleStep(p, AngleA));
        out.push_back(cosinesAngleStep(p, AngleB));
        out.push_back(angleSum(p, AngleA, AngleB, AngleC));
        break;
    case Case::SAS: {
        const int x = opposite(u1);
        out.push_back({"triangle.cosines_side",
                       {named(p, std::min(u0, u2)), named(p, std::max(u0, u2)), named(p, u1), named(p, x)},
                       {}});
        out.push_back({"triangle.cosines_angle", {named(p, x), named(p, u2), named(p, u0), named(p, opposite(u0))}, {}});
        out.push_back(angleSum(p, std::min(u1, opposite(u0)), std::max(u1, opposite(u0)), opposite(u2)));
        break;
    }
    case Case::ASA:
    case Case::AAS: {
        const int side = s.kind == Case::ASA ? u1 : u2;
        const int a1 = s.kind == Case::ASA ? u0 : std::min(u0, u1);
        const int a2 = s.kind == Case::ASA ? u2 : std::max(u0, u1);
        out.push_back(angleSum(p, a1, a2, AngleA + AngleB + AngleC - a1 - a2));
        for (int i = SideA; i <= SideC; ++i)
            if (i != side) out.push_back(sinesSide(p, side, i));
        break;
    }
    case Case::SSA: {
        const int Y = opposite(u2), z = 3 - u0 - u2, Z = opposite(z);
        const Parts& first = s.triangles[0].parts;
        out.push_back({"triangle.sines_angle", {named(p, u2), named(p, u1), named(p, u0), named(first, Y)}, {}});
        if (index == 1) out.push_back({"triangle.supplement", {named(first, Y), named(p, Y)}, {}});
        out.push_back(angleSum(p, std::min(u1, Y), std::max(u1, Y), Z));
        out.push_back(sinesSide(p, u0, z));
        break;
    }
    case Case::None: break;
    }
    out.push_back({"triangle.area", {named(p, SideB), named(p, SideC), named(p, AngleA), {"S", t.area}}, {}});
    out.push_back({"triangle.perimeter",
                   {named(p, SideA), named(p, SideB), named(p, SideC), {"p", t.perimeter}},
                   {}});
    out.push_back({"triangle.circumradius",
                   {named(p, SideA), named(p, SideB), named(p, SideC), {"S", t.area}, {"R", t.circumradius}},
                   {}});
    out.push_back({"triangle.inradius", {{"S", t.area}, {"s", t.perimeter / 2}, {"r", t.inradius}}, {}});
    return out;
}

}  // namespace

solvers::WorkedSolution triangleSteps(const Solution& s)
{
    solvers::WorkedSolution w;
    if (s.impossible() || s.kind == Case::None) return w;
    if (s.kind == Case::SSA) {
        const auto [x, X, y] = s.used;
        const Parts& g = s.given;
        const double h = g[y] * sinDeg(g[X]);
        w.push_back({"triangle.ssa.compare", {named(g, x), named(g, X), named(g, y), {"h", h}}, {}});
        std::string_view verdict = "triangle.ssa.one";
        if (s.problem.kind == Problem::ShorterThanHeight)
            verdict = "triangle.ssa.none_short";
        else if (s.problem.kind == Problem::NotLongestOpposite)
            verdict = "triangle.ssa.none_obtuse";
        else if (s.count == 2)
            verdict = "triangle.ssa.two";
        else if (s.triangles[0].parts[opposite(y)] == 90 && g[X] < 90)
            verdict = "triangle.ssa.right";
        w.push_back({verdict, {named(g, x), {"h", h}, named(g, y)}, {}});
    }
    if (s.count == 2) {
        w.push_back({"triangle.first", {}, stepsOf(s, 0)});
        w.push_back({"triangle.second", {}, stepsOf(s, 1)});
    } else if (s.count == 1) {
        for (solvers::Step& step : stepsOf(s, 0))
            w.push_back(std::move(step));
    }
    return w;
}

}  // namespace triangles
