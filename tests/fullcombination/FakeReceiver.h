#pragma once

#include "core/fullcombination/FullCombinationHandOver.h"

#include <QString>
#include <QStringList>

#include <vector>

// The selection as the full-combination window sees it, recording every call in order.
class FakeReceiver : public FullCombinationReceiver {
public:
    std::vector<FullCombinationHandOver> received;
    QStringList calls;

    void receiveFullCombination(const FullCombinationHandOver& handOver) override {
        received.push_back(handOver);
        calls << QStringLiteral("receive");
    }
    void selectBaseSlip() override { calls << QStringLiteral("selectBaseSlip"); }
    void clearFixMarks() override { calls << QStringLiteral("clearFixMarks"); }
};
