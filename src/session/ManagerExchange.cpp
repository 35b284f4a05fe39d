#include "session/ManagerExchange.h"

#include "session/ManagerWindow.h"

std::string CManagerExchange::SendCommand(std::string_view command, int timeoutSeconds) {
    return m_main.SendCommand(command, timeoutSeconds);
}

bool CManagerExchange::IsCommandSupported(std::string_view word) const {
    return m_main.IsCommandSupported(word);
}
