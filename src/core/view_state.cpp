#include "core/view_state.h"

namespace zaf {

namespace {
ViewState g_defaultView;
ViewState* g_view = &g_defaultView;
} // namespace

ViewState& viewState()
{
    return *g_view;
}

std::optional<UnitCaptions> unitCaptions(const QString& format)
{
    if (format == QLatin1String("0"))
        return UnitCaptions{QStringLiteral("Feet"),      QStringLiteral("Fahrenheit"), QStringLiteral("lb."),
                            QStringLiteral("Start PSI"), QStringLiteral("End PSI"),    QStringLiteral("Used PSI")};
    if (format == QLatin1String("1"))
        return UnitCaptions{QStringLiteral("Meters"),    QStringLiteral("Celsius"), QStringLiteral("kg"),
                            QStringLiteral("Start BAR"), QStringLiteral("End BAR"), QStringLiteral("Used BAR")};
    return std::nullopt;
}

void setViewState(ViewState* view)
{
    g_view = view ? view : &g_defaultView;
}

} // namespace zaf
