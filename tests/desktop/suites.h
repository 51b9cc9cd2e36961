#pragma once

#include <QObject>
#include <memory>

// The Qt Test classes of the window suite, one factory each.
std::unique_ptr<QObject> makeLayoutTest();
std::unique_ptr<QObject> makeBehaviourTest();
std::unique_ptr<QObject> makeAccessibilityTest();
std::unique_ptr<QObject> makeHighDpiTest();
std::unique_ptr<QObject> makeModelTest();
std::unique_ptr<QObject> makeMenuTest();
