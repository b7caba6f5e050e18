#include "app/topic_windows.h"

#include "angles/angle_reduction_window.h"
#include "angles/associated_angles_window.h"
#include "graphs/tftrigon.h"
#include "practice/practice_window.h"
#include "shell/child_window.h"
#include "solvers/elementary/elementary_window.h"
#include "solvers/linear/linear_window.h"
#include "solvers/quadratic/quadratic_window.h"

namespace {
template <class Window>
ChildWindow* make()
{
    return new Window();
}
}  // namespace

const std::vector<TopicWindow>& topicWindows()
{
    static const std::vector<TopicWindow> topics = {
        {13, "Funzioni1", 301, make<Tftrigon>},
        {21, "Riduzionequadrante1", 302, make<Triduci>},
        {3, "Archiassociati1", 303, make<Tarchi>},
        {6, "Equazionielementari1", 305, make<solvers::Tequa>},
        {28, "Equazionidi2secondogrado1", 306, make<solvers::Tequasecondogrado>},
        {30, "Equazionilineari1", 307, make<solvers::Tequazionilineari>},
        {9, "Disequazionielementari1", 304, make<solvers::Tdisequatr>},
        {29, "Disquazionidisecondogrado1", 308, make<solvers::Tdisequasecondogrado>},
        {31, "Disequazionilineari1", 309, make<solvers::Tdisequazionilineari>},
        {practice::PracticeWindow::Slot, "Practice1", practice::PracticeWindow::HelpContext, make<practice::PracticeWindow>},
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
