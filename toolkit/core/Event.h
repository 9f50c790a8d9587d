#pragma once
// An event with one handler, which the event owns and deletes with itself.
// A control fires its event with itself as the sender, carried type-erased,
// so that one handler can serve several controls and tell them apart.
#include <boost/any.hpp>

#include <memory>
#include <utility>

namespace GT {

class IEventHandler {
public:
    virtual ~IEventHandler() = default;
    virtual void OnEvent(const boost::any& sender) = 0;
};

class CEvent {
public:
    CEvent() = default;
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;

    // Takes the handler; the previous one is deleted. Null removes it.
    void SetHandler(std::unique_ptr<IEventHandler> handler) { handler_ = std::move(handler); }
    bool HasHandler() const { return handler_ != nullptr; }
    // Calls the handler with the sender; false when there is none.
    bool Fire(const boost::any& sender) const {
        if (!handler_)
            return false;
        handler_->OnEvent(sender);
        return true;
    }

private:
    std::unique_ptr<IEventHandler> handler_;
};

// A handler that calls a member function of a receiver (not owned; it must
// outlive the event or remove the handler first).
template <class Receiver>
class CMemberEventHandler : public IEventHandler {
public:
    using Method = void (Receiver::*)(const boost::any& sender);
    CMemberEventHandler(Receiver& receiver, Method method) : receiver_(receiver), method_(method) {}
    void OnEvent(const boost::any& sender) override { (receiver_.*method_)(sender); }

private:
    Receiver& receiver_; // not owned
    Method method_;
};

template <class Receiver>
std::unique_ptr<IEventHandler> MakeEventHandler(Receiver& receiver,
                                                void (Receiver::*method)(const boost::any& sender)) {
    return std::make_unique<CMemberEventHandler<Receiver>>(receiver, method);
}

} // namespace GT
