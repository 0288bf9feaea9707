#pragma once

#include <memory>

class QObject;

// Defined by each window test program: its Qt Test object, which the shared main runs.
std::unique_ptr<QObject> makeWindowTest();
