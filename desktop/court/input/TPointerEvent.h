#pragma once

#include <QEvent>
#include <QPoint>

// A report of the home pointer, posted to the court screen's window so that
// reports are handled in order with the rest of the input.
class TPointerEvent : public QEvent
{
public:
    TPointerEvent(QPoint position, int buttons) : QEvent(type()), Position(position), Buttons(buttons) {}

    static QEvent::Type type()
    {
        static const QEvent::Type registered = QEvent::Type(QEvent::registerEventType());
        return registered;
    }

    QPoint Position;
    int Buttons;
};
