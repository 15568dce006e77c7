#include "core/cancel_flag.h"

namespace zaf {
namespace {
bool cancelFlag = false;
} // namespace

bool cancelRequested()
{
    return cancelFlag;
}

void setCancel(bool value)
{
    cancelFlag = value;
}

} // namespace zaf
