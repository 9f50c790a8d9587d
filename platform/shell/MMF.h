#pragma once
// The single-instance guard. The first instance of the program listens on a
// local socket that only its user can reach, named after the application and
// the display; a
// later instance finds it there, hands it a command text (the open command of
// its file, or nothing at all to just bring the first one forward) and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class CMMF : public QObject {
    Q_OBJECT
public:
    using CommandHandler = std::function<void(const QString& commandText)>;

    // Claims name for this process, or finds the instance that holds it. A
    // socket left behind by an instance that crashed is taken over.
    explicit CMMF(const QString& name);
    ~CMMF() override;
    CMMF(const CMMF&) = delete;
    CMMF& operator=(const CMMF&) = delete;

    // False when another instance of the same user holds the name.
    bool IsFirstInstance() const { return isFirstInstance_; }
    // True when the first instance could listen; when it could not, the
    // program runs on without handing over.
    bool IsListening() const { return server_.isListening(); }

    // Later instance: hands text to the first one and waits until it has
    // gone. False when the first instance could not be reached.
    bool SendCommand(const QString& text, int timeoutMs = 3000);

    // First instance: receives each command text once it has arrived whole
    // (an empty text asks only to bring the program forward). Texts that
    // arrived before a handler was set are delivered to it at once, in order.
    void SetCommandHandler(CommandHandler handler);
    // Texts that arrived while no handler was set.
    std::size_t PendingCount() const { return pending_.size(); }

    // The socket name of an application for the current user and display.
    static QString ServerNameFor(const QString& applicationName);
    // The display this process shows its windows on, as part of a socket name.
    static QString DisplayKey();

private:
    void OnNewConnection();
    void Deliver(const QString& text);

    QLocalServer server_;
    QString name_;
    bool isFirstInstance_ = true;
    CommandHandler handler_;
    std::vector<QString> pending_;
};
