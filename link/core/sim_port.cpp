#include "link/core/sim_port.h"

#include "link/core/loopback_port.h"
#include "link/core/port_factory.h"
#include "link/core/sim_radio.h"
#include "link/core/steady_link_clock.h"

#include <memory>
#include <mutex>

namespace {

struct SimulatedRadio {
    SteadyLinkClock clock;
    std::unique_ptr<SimRadio> radio;
    std::mutex inUse; // one transfer at a time talks to it
};

SimulatedRadio& Instance()
{
    static SimulatedRadio sim;
    return sim;
}

// Holds the radio for the life of one port object.
class SimPort : public LoopbackPort {
public:
    explicit SimPort(SimulatedRadio& s) : LoopbackPort(*s.radio, s.clock), m_lock(s.inUse, std::try_to_lock) {}
    bool open(const std::string& name) override { return m_lock.owns_lock() && LoopbackPort::open(name); }

private:
    std::unique_lock<std::mutex> m_lock;
};

} // namespace

void RegisterSimulatedRadio(const RadioImage& memory)
{
    SimulatedRadio& s = Instance();
    {
        std::lock_guard<std::mutex> guard(s.inUse);
        s.radio = std::make_unique<SimRadio>(memory);
    }
    RegisterPortCreator(kSimPortName, [] { return std::make_unique<SimPort>(Instance()); });
}
