#pragma once

#include <QString>

// The name of a value (a FlangeField's name, a take-off column's) in the interface's language:
// the names are written in Chinese and translated in the context "FlangeField".
QString translatedFieldName(const QString &chinese);
