// Compiled as part of the platform's database part, this file must not
// build: the connection is found, the message boxes are not.
#include "platform/db/Connection.h"
#include "platform/ui/Dialogs.h"
