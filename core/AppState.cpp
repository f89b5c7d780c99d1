#include "core/AppState.h"

namespace
{
AppState& instance()
{
    static AppState state;
    return state;
}
} // namespace

AppState& appState()
{
    return instance();
}

void resetAppState()
{
    instance() = AppState {};
}
