#include "core/config_record.h"

namespace zaf {

ConfigRecord& config()
{
    static ConfigRecord record;
    return record;
}

} // namespace zaf
