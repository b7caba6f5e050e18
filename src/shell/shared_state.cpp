#include "shell/shared_state.h"

namespace app {

bool ShowHints = true;

namespace {
WindowMetrics& metricsRecord()
{
    static WindowMetrics metrics;
    return metrics;
}
}  // namespace

const WindowMetrics& windowMetrics()
{
    return metricsRecord();
}

void setWindowMetrics(const WindowMetrics& metrics)
{
    metricsRecord() = metrics;
}

}  // namespace app
