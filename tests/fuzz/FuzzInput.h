#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <cstdint>

// The input of one run as bytes, with the one application object the readers need made on the first run.
inline QByteArray fuzzInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = { name, nullptr };
    static QCoreApplication application(argc, argv);
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
