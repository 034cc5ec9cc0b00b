#pragma once

// How the windows report failures, and the one guard every handler that
// touches the store runs its body in: no exception reaches the event loop.

#include <QString>

#include <functional>

namespace widgets {

// The title of the boxes that report a failed save or start.
QString saveErrorTitle();

// The two closing lines of every failure report: "ERROR #: " + number, then
// "ERROR  :" + description, joined by CR LF. The number is never translated.
QString errorLines(long number, const QString& description);

// A failure report: firstLine, whom to tell, then the two error lines, joined
// by CR LF with none after the last.
QString failureReport(const QString& firstLine, long number, const QString& description);

// Shows a failure report that is not a save's: exclamation icon, the program's
// title. Never throws.
void reportFailure(const QString& firstLine, long number, const QString& description) noexcept;

// Runs a handler's body so that nothing it throws reaches the event loop. A
// failure calls onFailure with the store's number and description (0 and the
// exception's text for anything that is not the store's); anything onFailure
// throws in turn is swallowed.
void runGuarded(const std::function<void()>& body,
                const std::function<void(long number, const QString& description)>& onFailure) noexcept;

} // namespace widgets
