#include "samples/ideas/RentalOptions.h"

const std::vector<RentalOption>& RentalOptions() {
    static const std::vector<RentalOption> options = {
        {QStringLiteral(":/ideas/Gps.svg"),
         {QStringLiteral("GPS navigation"), QStringLiteral("Offline maps of 40 countries")},
         "6.50",
         QStringLiteral("A dashboard navigator with maps of the whole of Europe, speed camera "
                        "warnings and live traffic where the network allows. The maps work "
                        "without a data connection.")},
        {QStringLiteral(":/ideas/ChildSeat.svg"),
         {QStringLiteral("Child seat"), QStringLiteral("For children of 9 to 18 kg"),
          QStringLiteral("Fitted before you pick up the car")},
         "7.00",
         QStringLiteral("A forward-facing seat with a five-point harness, cleaned and checked "
                        "after every rental. Our staff fit it with the car's ISOFIX anchors, "
                        "so it is ready when you arrive. The seat meets the current European "
                        "safety standard and has a removable, washable cover. Ask at the desk "
                        "for a rear-facing seat for babies under 9 kg.")},
        {QStringLiteral(":/ideas/BoosterSeat.svg"),
         {QStringLiteral("Booster seat"), QStringLiteral("From 4 years of age")},
         "4.50",
         QStringLiteral("Raises older children so that the car's own belt fits them "
                        "correctly.")},
        {QStringLiteral(":/ideas/Driver.svg"),
         {QStringLiteral("Additional driver")},
         "9.00",
         QStringLiteral("Share the driving. The additional driver must show a licence held for "
                        "at least one year when the car is picked up.")},
        {QStringLiteral(":/ideas/Protection.svg"),
         {QStringLiteral("Full protection"), QStringLiteral("No excess to pay"),
          QStringLiteral("Covers tyres, glass and roof")},
         "18.75",
         QStringLiteral("Takes the excess of the standard cover down to zero: you pay nothing "
                        "for damage to the car or for its theft. Tyres, windows, mirrors, the "
                        "roof and the underside of the car are covered too, which the standard "
                        "cover leaves out. Towing and the replacement of lost keys are "
                        "included. You can decline the protection at the desk at no cost. "
                        "Damage caused by driving under the influence or off paved roads is "
                        "never covered.")},
        {QStringLiteral(":/ideas/Assistance.svg"),
         {QStringLiteral("Roadside assistance plus"), QStringLiteral("24 hours a day")},
         "5.25",
         QStringLiteral("Help with flat batteries, lost keys, wrong fuel and flat tyres, at no "
                        "extra cost and wherever you are.")},
        {QStringLiteral(":/ideas/Hotspot.svg"),
         {QStringLiteral("Mobile Wi-Fi hotspot"), QStringLiteral("Unlimited data")},
         "8.00",
         QStringLiteral("A pocket router for up to five devices that works in every country of "
                        "the European Union. It charges from the car's USB socket.")},
        {QStringLiteral(":/ideas/TollPass.svg"),
         {QStringLiteral("Toll pass")},
         "2.50",
         QStringLiteral("Drive through motorway tolls without stopping; the tolls are charged "
                        "to your card when you return the car.")},
        {QStringLiteral(":/ideas/SnowChains.svg"),
         {QStringLiteral("Snow chains")},
         "3.75",
         QStringLiteral("A set of chains sized for your car, with gloves and fitting "
                        "instructions. Required on many mountain roads in winter.")},
        {QStringLiteral(":/ideas/RoofBox.svg"),
         {QStringLiteral("Roof box"), QStringLiteral("420 litres")},
         "12.00",
         QStringLiteral("A lockable box on roof bars for luggage that does not fit in the "
                        "boot. It takes up to 50 kg; keep below 130 km/h with the box fitted.")},
        {QStringLiteral(":/ideas/BikeRack.svg"),
         {QStringLiteral("Bike rack"), QStringLiteral("Carries up to 3 bikes")},
         "10.00",
         QStringLiteral("A rear rack on the tow bar with its own lights and number plate.")},
        {QStringLiteral(":/ideas/SkiRack.svg"),
         {QStringLiteral("Ski rack")},
         "6.00",
         QStringLiteral("Holds up to four pairs of skis or two snowboards on the roof, locked.")},
        {QStringLiteral(":/ideas/PhoneHolder.svg"),
         {QStringLiteral("Phone holder and charger")},
         "1.25",
         QStringLiteral("A vent mount with a fast charging cable for your phone.")},
        {QStringLiteral(":/ideas/CrossBorder.svg"),
         {QStringLiteral("Cross-border travel"), QStringLiteral("Neighbouring countries")},
         "0.50",
         QStringLiteral("Take the car into the neighbouring countries with the papers and "
                        "cover the border requires.")},
    };
    return options;
}
