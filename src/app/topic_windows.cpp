#include "app/topic_windows.h"

#include <algorithm>
#include <cstring>

#include "angles/angle_reduction_window.h"
#include "angles/associated_angles_window.h"
#include "graphs/tftrigon.h"
#include "platform/help.h"
#include "practice/exercise.h"
#include "practice/practice_window.h"
#include "practice/progress_window.h"
#include "shell/child_window.h"
#include "solvers/elementary/elementary_window.h"
#include "solvers/linear/linear_window.h"
#include "solvers/quadratic/quadratic_window.h"
#include "triangles/triangle_window.h"

namespace app {

namespace {

template <class Window>
ChildWindow* make(const TopicWindow& topic)
{
    return new Window(topic);
}

constexpr int family(practice::Family f)
{
    return int(f);
}

}  // namespace

const std::vector<TopicWindow>& topicWindows()
{
    using practice::Family;
    using enum TopicMenu;
    static const std::vector<TopicWindow> topics = {
        {.slot = 13, .className = "Tftrigon", .helpContext = 301,
         .menu = Topics, .menuItem = "Funzioni1", .menuRow = 16,
         .create = make<Tftrigon>},
        {.slot = 21, .className = "Triduci", .helpContext = 302,
         .menu = Topics, .menuItem = "Riduzionequadrante1", .lineBefore = true, .menuRow = 17,
         .create = make<angles::Triduci>},
        {.slot = 3, .className = "Tarchi", .helpContext = 303,
         .menu = Topics, .menuItem = "Archiassociati1", .menuRow = 18,
         .create = make<angles::Tarchi>},
        {.slot = 34, .className = "TriangleWindow", .helpContext = 321,
         .menu = Topics, .menuItem = "Triangles1", .menuText = app::ProgramText::Triangles,
         .exerciseFamily = family(Family::Triangles), .create = make<triangles::TriangleWindow>},
        {.slot = 6, .className = "Tequa", .helpContext = 305,
         .menu = Equations, .menuItem = "Equazionielementari1", .menuRow = 19,
         .exerciseFamily = family(Family::Elementary), .inequalities = false,
         .create = make<solvers::Tequa>},
        {.slot = 28, .className = "Tequasecondogrado", .helpContext = 306,
         .menu = Equations, .menuItem = "Equazionidi2secondogrado1", .menuRow = 20,
         .exerciseFamily = family(Family::Quadratic), .inequalities = false,
         .create = make<solvers::Tequasecondogrado>},
        {.slot = 30, .className = "Tequazionilineari", .helpContext = 307,
         .menu = Equations, .menuItem = "Equazionilineari1", .menuRow = 23,
         .exerciseFamily = family(Family::Linear), .inequalities = false,
         .create = make<solvers::Tequazionilineari>},
        {.slot = 9, .className = "Tdisequatr", .helpContext = 304,
         .menu = Inequalities, .menuItem = "Disequazionielementari1", .menuRow = 21,
         .exerciseFamily = family(Family::Elementary), .inequalities = true,
         .create = make<solvers::Tdisequatr>},
        {.slot = 29, .className = "Tdisequasecondogrado", .helpContext = 308,
         .menu = Inequalities, .menuItem = "Disquazionidisecondogrado1", .menuRow = 22,
         .exerciseFamily = family(Family::Quadratic), .inequalities = true,
         .create = make<solvers::Tdisequasecondogrado>},
        {.slot = 31, .className = "Tdisequazionilineari", .helpContext = 309,
         .menu = Inequalities, .menuItem = "Disequazionilineari1", .menuRow = 24,
         .exerciseFamily = family(Family::Linear), .inequalities = true,
         .create = make<solvers::Tdisequazionilineari>},
        {.slot = 33, .className = "PracticeWindow", .helpContext = 320,
         .menu = Topics, .menuItem = "Practice1", .lineBefore = true, .menuText = app::ProgramText::Practice,
         .create = make<practice::PracticeWindow>},
        {.slot = 35, .className = "ProgressWindow", .helpContext = 322,
         .menu = Topics, .menuItem = "Progress1", .menuText = app::ProgramText::PracticeProgress,
         .create = make<practice::ProgressWindow>},
    };
    return topics;
}

const TopicWindow* topicForSlot(int slot)
{
    for (const TopicWindow& topic : topicWindows())
        if (topic.slot == slot)
            return &topic;
    return nullptr;
}

const TopicWindow* topicForClass(const char* className)
{
    for (const TopicWindow& topic : topicWindows())
        if (className && std::strcmp(topic.className, className) == 0)
            return &topic;
    return nullptr;
}

const TopicWindow* topicForExercises(int family, bool inequalities)
{
    for (const TopicWindow& topic : topicWindows())
        if (topic.exerciseFamily >= 0 && topic.exerciseFamily == family && topic.inequalities == inequalities)
            return &topic;
    return nullptr;
}

std::vector<int> helpContexts()
{
    std::vector<int> contexts = Help::contextNumbers();
    for (const TopicWindow& topic : topicWindows())
        contexts.push_back(topic.helpContext);
    std::sort(contexts.begin(), contexts.end());
    contexts.erase(std::unique(contexts.begin(), contexts.end()), contexts.end());
    return contexts;
}

}  // namespace app
