// Template part of the wizard test fixture.
#pragma once

#include "wizard/FrmArchiv.h"

#include <QTest>

namespace tolva::test {

template <typename T>
T* Find(FrmArchiv& form, const char* name) {
    T* object = form.findChild<T*>(QString::fromUtf8(name));
    if (!object) qWarning("control %s not found", name);
    return object;
}

}  // namespace tolva::test
