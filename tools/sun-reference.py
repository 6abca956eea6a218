#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes tests/sun/reference.csv: the sun's subsolar point and sunrise/sunset from an independent
# ephemeris (PyEphem, Debian package python3-ephem, VSOP87 theory), for the sun tests. Run by hand:
#   apt-get install python3-ephem && tools/sun-reference.py > tests/sun/reference.csv
import datetime
import math
import random

import ephem

random.seed(20261208)
epoch = datetime.datetime(1970, 1, 1)


def seconds(moment):
    return (ephem.Date(moment).datetime() - epoch).total_seconds()


def subsolar(when):
    greenwich = ephem.Observer()
    greenwich.lon, greenwich.lat, greenwich.pressure = '0', '0', 0
    greenwich.date = when
    sun = ephem.Sun(when)  # apparent geocentric place
    longitude = math.degrees(sun.g_ra - greenwich.sidereal_time())
    longitude = (longitude + 180) % 360 - 180
    return longitude, math.degrees(sun.g_dec)


def events(date, longitude, latitude):
    place = ephem.Observer()
    place.lon, place.lat = str(longitude), str(latitude)
    place.pressure = 0
    place.horizon = '-0:49:58.8'  # -0.833 degrees, for the centre of the sun
    start = ephem.Date(date)
    end = ephem.Date(start + 1)
    found = []
    for method in (place.next_rising, place.next_setting):
        place.date = start
        try:
            moment = method(ephem.Sun(), use_center=True)
            found.append('%.0f' % seconds(moment) if moment < end else '')
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            found.append('')
    return found


print('# kind,utc seconds or date,longitude,latitude,expected...')
for _ in range(60):
    when = datetime.datetime(1950, 1, 1) + datetime.timedelta(seconds=random.uniform(0, 150.99 * 365.25 * 86400))
    longitude, latitude = subsolar(when)
    print('subsolar,%.0f,%.6f,%.6f' % ((when - epoch).total_seconds(), longitude, latitude))
for _ in range(400):
    day = datetime.date(1950, 1, 1) + datetime.timedelta(days=random.randrange(0, 55000))
    longitude, latitude = random.uniform(-180, 180), random.uniform(-65, 65)
    rise, set_ = events(day.strftime('%Y/%m/%d'), longitude, latitude)
    print('events,%s,%.4f,%.4f,%s,%s' % (day.isoformat(), longitude, latitude, rise, set_))
