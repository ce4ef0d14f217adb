#pragma once

#include "platform/widgets/Seams.h"

#include <QList>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>

namespace shelltest {

// Answers every message box with `answer` and keeps what was asked.
class MessageRecorder {
public:
    explicit MessageRecorder(int answer = zav::vbOK)
        : override_(zav::messageBoxSeam(), [this, answer](QWidget*, const zav::MessageRequest& request) {
              requests << request;
              return answer;
          })
    {
    }

    QList<zav::MessageRequest> requests;

private:
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override override_;
};

// Points the per-user settings at a temporary folder for the life of the object.
class TemporarySettings {
public:
    TemporarySettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }
    const QTemporaryDir& dir() const { return dir_; }

private:
    QTemporaryDir dir_;
};

} // namespace shelltest
