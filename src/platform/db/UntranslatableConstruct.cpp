#include "platform/db/UntranslatableConstruct.h"

#include "platform/ErrorVB.h"
#include "platform/db/Dialect.h"

namespace db {

void refuseConstruct(const QString& construct)
{
    throw ErrorVB(ErrorInCommand, "T-SQL construct without translation: " + construct, "Dialect");
}

}  // namespace db
