#pragma once

#include "app/CmdUI.h"

namespace veritom {

class CVeritomApp;

// The application's command table: the file, language, web, view and tool commands it runs
// itself, and the commands and update handlers it forwards to the selection object.
class CCommandRouter {
public:
    explicit CCommandRouter(CVeritomApp& app);

    // False when id is none of the commands.
    bool OnCommand(int commandId);
    bool OnUpdateCommand(int commandId, CCmdUI& cmdUI);

private:
    bool RouteObjectCommand(int commandId);
    bool RouteObjectUpdate(int commandId, CCmdUI& cmdUI);
    void ToggleSelectionCompleteOptions();

    CVeritomApp& m_app;
};

}  // namespace veritom
