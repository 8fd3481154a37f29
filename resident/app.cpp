#include "resident/app.h"

namespace resident {

App& TheApp()
{
    static App app;
    return app;
}

}  // namespace resident
