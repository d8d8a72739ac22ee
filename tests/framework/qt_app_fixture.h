// One Qt application for all the layer's tests in a program (offscreen platform).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "framework_tests";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }
};

inline ::testing::Environment* const kQtAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);
