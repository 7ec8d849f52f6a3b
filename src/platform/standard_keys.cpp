// SPDX-License-Identifier: MIT
#include "standard_keys.h"

QList<QKeySequence> distinctKeys(const QList<QKeySequence> &keys)
{
    QList<QKeySequence> once;
    for (const QKeySequence &key : keys) {
        if (!key.isEmpty() && !once.contains(key))
            once.append(key);
    }
    return once;
}

QList<QKeySequence> closeKeys()
{
    return distinctKeys(QKeySequence::keyBindings(QKeySequence::Close) << QKeySequence(Qt::CTRL | Qt::Key_W));
}

QList<QKeySequence> zoomInKeys()
{
    return distinctKeys(QKeySequence::keyBindings(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal));
}
