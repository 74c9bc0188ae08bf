#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The extras a car-rental desk offers with its cars: the options of "Option Multiselect
// Demo". Each has a picture in the window's resources, a title of one or more lines, a
// price per day and a description of a sentence or a few.
struct RentalOption {
    QString picture;   // resource path of its 32 x 32 picture
    QStringList title; // first line the name, further lines the details
    const char* price; // per day, exactly as written ("1.25")
    QString description;
};

const std::vector<RentalOption>& RentalOptions();
