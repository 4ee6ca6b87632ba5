#include "platform/db/tsql/UntranslatableConstruct.h"

#include "platform/ErrorVB.h"
#include "platform/db/Dialect.h"
#include "platform/db/ErrorMap.h"

namespace db {

void refuseConstruct(const QString& construct)
{
    throw ErrorVB(ErrorMap::ErrorsInCommand, "T-SQL construct without translation: " + construct, "Dialect");
}

}  // namespace db
