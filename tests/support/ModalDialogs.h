#pragma once

#include <chrono>
#include <functional>

class QWidget;

// Runs `action` on the next modal window once it is shown (by an exec() the test is about to
// start), then closes that window if the action left it open, so the exec() always returns.
// When no modal window shows within `timeout`, the test fails and nothing waits any longer.
void whenModal(std::chrono::milliseconds timeout, std::function<void(QWidget*)> action);

// The same with a timeout of five seconds.
void whenModal(std::function<void(QWidget*)> action);
