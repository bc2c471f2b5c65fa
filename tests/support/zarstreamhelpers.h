#ifndef ZARSTREAMHELPERS_H
#define ZARSTREAMHELPERS_H

#include <QByteArray>
#include <QDataStream>

// A value in the program's file form, and a value read back from it.
template <typename T>
QByteArray written(const T& value)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    stream << value;
    return bytes;
}

template <typename T>
T readBack(const QByteArray& bytes, QDataStream::Status* status = nullptr)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_8);
    T value;
    stream >> value;
    if (status)
        *status = stream.status();
    return value;
}

#endif
