#pragma once
// One-shot fault injection for the stand-in host: a test arms a fault for an operation,
// and the next call of that operation fails (empty, false or 0) or throws. Then it is gone.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tvhost {

enum TFaultKind : int {
    fkNone = 0,  // no fault: the call runs normally
    fkFail = 1,  // the call gives its failure result: empty pointer, false, 0 or empty text
    fkThrow = 2, // the call throws TInjectedFault
};

// Thrown by a host operation armed with fkThrow; what() is the operation's name.
class TInjectedFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TFaults {
public:
    // Arms `kind` for the next call of `op` ("Interface::Operation"), replacing a fault
    // armed for it before; fkNone disarms.
    void Arm(std::string_view op, TFaultKind kind);
    // The fault armed for `op`, disarmed by being taken; fkNone when there is none.
    TFaultKind Take(std::string_view op);
    bool IsArmed(std::string_view op) const;
    void Clear() noexcept;

private:
    std::map<std::string, TFaultKind, std::less<>> FArmed;
};

// The faults of the host session.
TFaults& Faults();

} // namespace tvhost
