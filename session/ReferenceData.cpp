#include "session/ReferenceData.h"

#include "geo/CountryLookup.h"

void ReferenceData::lookupCountry(double longitude, double latitude, QString& countryName, QString& prefix) const
{
    CountryLookup(*countryRaster, countryList).lookupCountry(longitude, latitude, countryName, prefix);
}
