#pragma once

#include <QString>
#include <QStringView>

// A text quoted back in a reason: in double quotes, cut after 40 characters.
QString quotedInput(QStringView text);
