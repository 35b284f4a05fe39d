#pragma once

// A TCP port on 127.0.0.1 that takes connections into its backlog and never answers: the
// connect of the control connection succeeds while a scripted channel plays the appliance.
class CLoopbackListener {
public:
    CLoopbackListener();
    ~CLoopbackListener();
    CLoopbackListener(const CLoopbackListener&) = delete;
    CLoopbackListener& operator=(const CLoopbackListener&) = delete;

    int Port() const { return m_nPort; }

private:
    int m_fd = -1;
    int m_nPort = 0;
};
