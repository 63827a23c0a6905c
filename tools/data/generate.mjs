// Writes Kerlanic's two data files from Etalab's "Découpage administratif" (the npm package
// @etalab/decoupage-administratif, pinned in package.json; its data are under the Licence
// Ouverte 2.0):
//
//   src/shipped/Liste_DVF.txt      the DVF town list: for each metropolitan département, its
//                                  most populous commune, one line per postal code
//   src/postal/CodesPostaux.txt    every (postal code, commune, département) of the current
//                                  communes, compiled into Kerlanic and CodePostal
//
// Run by hand after changing the package version:   npm ci && npm run generate
// The build never runs it: the files it writes are committed.

import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..', '..');

const packageName = '@etalab/decoupage-administratif';
const { version } = JSON.parse(readFileSync(require.resolve(`${packageName}/package.json`), 'utf8'));
const communes = require(`${packageName}/data/communes.json`);
const departements = require(`${packageName}/data/departements.json`);

// Only the communes that exist today: delegated and associated communes and the municipal
// districts of Paris, Lyon and Marseille are parts of a current commune, which carries their
// postal codes. A few uninhabited overseas territories have no postal code at all.
const current = communes.filter((c) => c.type === 'commune-actuelle' && (c.codesPostaux ?? []).length > 0);

// Départements in the order of the log: Corsica stands where 20 would, 2A before 2B.
const departementRank = (code) => {
  if (code === '2A') return 20.1;
  if (code === '2B') return 20.2;
  return Number(code);
};
const byDepartement = (a, b) => departementRank(a) - departementRank(b);

// ---------------------------------------------------------------------------------------------
// Windows-1252, the code page of every file the logbook reads.

const cp1252Extras = new Map([
  ['€', 0x80], ['‚', 0x82], ['ƒ', 0x83], ['„', 0x84], ['…', 0x85], ['†', 0x86], ['‡', 0x87],
  ['ˆ', 0x88], ['‰', 0x89], ['Š', 0x8a], ['‹', 0x8b], ['Œ', 0x8c], ['Ž', 0x8e], ['‘', 0x91],
  ['’', 0x92], ['“', 0x93], ['”', 0x94], ['•', 0x95], ['–', 0x96], ['—', 0x97], ['˜', 0x98],
  ['™', 0x99], ['š', 0x9a], ['›', 0x9b], ['œ', 0x9c], ['ž', 0x9e], ['Ÿ', 0x9f],
]);

function toCp1252(text) {
  const bytes = [];
  for (const ch of text) {
    const code = ch.codePointAt(0);
    if (cp1252Extras.has(ch)) bytes.push(cp1252Extras.get(ch));
    else if (code < 0x80 || (code >= 0xa0 && code <= 0xff)) bytes.push(code);
    else throw new Error(`"${text}": ${ch} n'existe pas en Windows-1252`);
  }
  return Buffer.from(bytes);
}

// ---------------------------------------------------------------------------------------------
// The DVF town list. Each line: département code padded to 3 characters, a blank, the postal
// code, a blank, the town in capitals with its accents, as hams type it in the log. The
// logbook writes Corsican postal codes with the département in front (Ajaccio 20000 is logged
// 2A000), so the list does the same: it is compared with the log character for character.

const kMaxLine = 42;

function logPostalCode(postalCode, departement) {
  return departement === '2A' || departement === '2B' ? departement + postalCode.slice(2) : postalCode;
}

function dvfLines() {
  const biggest = new Map();
  for (const c of current) {
    if (c.zone !== 'metro') continue;
    const best = biggest.get(c.departement);
    if (!best || (c.population ?? 0) > (best.population ?? 0)) biggest.set(c.departement, c);
  }
  const lines = [];
  for (const departement of [...biggest.keys()].sort(byDepartement)) {
    const town = biggest.get(departement);
    for (const postalCode of [...town.codesPostaux].sort()) {
      const line = `${departement.padEnd(3)} ${logPostalCode(postalCode, departement)} ${town.nom.toUpperCase()}`;
      if (line.length > kMaxLine) throw new Error(`ligne trop longue : ${line}`);
      lines.push(line);
    }
  }
  return lines;
}

// ---------------------------------------------------------------------------------------------
// The postal-code base: UTF-8 text, one département header and then one line per commune.
//   D<TAB>code<TAB>name            a département; the communes below belong to it
//   name<TAB>postal code[ postal code…]

function baseText() {
  const communesOf = new Map();
  for (const c of current) {
    if (!communesOf.has(c.departement)) communesOf.set(c.departement, []);
    communesOf.get(c.departement).push(c);
  }
  const names = new Map(departements.map((d) => [d.code, d.nom]));
  const out = [
    `# Base des Codes Postaux de Kerlanic, écrite par tools/data/generate.mjs : ne pas modifier à la main.`,
    `# Source : Découpage administratif d'Etalab, ${packageName} ${version}, Licence Ouverte 2.0.`,
  ];
  let pairs = 0;
  for (const departement of [...communesOf.keys()].sort(byDepartement)) {
    if (!names.has(departement)) throw new Error(`département inconnu : ${departement}`);
    out.push(`D\t${departement}\t${names.get(departement)}`);
    const list = communesOf.get(departement).sort((a, b) => a.code.localeCompare(b.code));
    for (const c of list) {
      if (/[\t\n]/.test(c.nom)) throw new Error(`nom illisible : ${c.nom}`);
      const codes = [...new Set(c.codesPostaux)].sort();
      for (const code of codes)
        if (!/^\d{5}$/.test(code)) throw new Error(`${c.nom} : code postal ${code}`);
      pairs += codes.length;
      out.push(`${c.nom}\t${codes.join(' ')}`);
    }
  }
  return { text: out.join('\n') + '\n', pairs };
}

// ---------------------------------------------------------------------------------------------

const lines = dvfLines();
writeFileSync(join(root, 'src', 'shipped', 'Liste_DVF.txt'), toCp1252(lines.map((l) => l + '\r\n').join('')));

const base = baseText();
writeFileSync(join(root, 'src', 'postal', 'CodesPostaux.txt'), base.text);

console.log(`${packageName} ${version}`);
console.log(`Liste_DVF.txt : ${lines.length} lignes`);
console.log(`CodesPostaux.txt : ${current.length} communes, ${base.pairs} couples (Code Postal, commune)`);
