#pragma once

#include "appliance/IApplianceExchange.h"

class CManagerWindow;

// The appliance as the settings code reaches it from the manager: through the main window's
// SendCommand, so that the log pane shows every exchange, and its "help" list. Lives on the UI
// thread for one operation; keeps a reference to the main window, which must outlive it.
class CManagerExchange final : public IApplianceExchange {
public:
    explicit CManagerExchange(CManagerWindow& main) : m_main(main) {}

    std::string SendCommand(std::string_view command, int timeoutSeconds) override;
    bool IsCommandSupported(std::string_view word) const override;

private:
    CManagerWindow& m_main;
};
