// Assembles the page from its template and its parts, and seals it. The template names every
// part where it goes, as {{name}}; each part is a file given as name=FILE. Every place must get
// a part and every part a place. The scripts are kept ASCII: a single other character makes
// the browser hold a whole script as two-byte text, twice the memory, read more slowly (the few
// there are stand in strings, where an escape means the same character). Last, {{policy}}
// becomes the page's Content-Security-Policy: no request to anywhere, and no script or style
// but the page's own, each named by its SHA-256 hash, so that nothing put into the page later
// can run.
//   node assemble.js TEMPLATE.html OUT.html name=FILE...
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const {elements} = require('./page_parts.js');

function fail(problem) {
  console.error(`assemble.js: ${problem}`);
  process.exit(1);
}

const [template, out, ...rest] = process.argv.slice(2);
if (!template || !out) {
  fail('usage: assemble.js TEMPLATE.html OUT.html name=FILE...');
}
const parts = new Map();
for (const given of rest) {
  const [, name, file] = given.match(/^([a-z-]+)=(.+)$/) || fail(`not a part: ${given}`);
  if (parts.has(name)) {
    fail(`the part ${name} is given twice`);
  }
  // A text file's last line break is the file's, not the part's.
  parts.set(name, fs.readFileSync(file, 'utf8').replace(/\n$/, ''));
}

const ascii = (text) => text.replace(/[^\x00-\x7f]/g,
  (found) => `\\u${found.charCodeAt(0).toString(16).padStart(4, '0')}`);
const places = /\{\{([a-z-]+)\}\}/g;
const used = new Set();
let page = fs.readFileSync(template, 'utf8').replace(places, (place, name) => {
  if (name === 'policy') {
    return place;
  }
  if (!parts.has(name)) {
    fail(`${template} has a place for ${name}, and no part is given for it`);
  }
  used.add(name);
  return parts.get(name);
});
for (const name of parts.keys()) {
  if (!used.has(name)) {
    fail(`${template} has no place for the part ${name}`);
  }
}
for (const script of elements(page, 'script')) {
  page = page.replace(script.whole, () => ascii(script.whole));
}

const hashes = (tag) => elements(page, tag).map((found) =>
  `'sha256-${crypto.createHash('sha256').update(found.content, 'utf8').digest('base64')}'`);
const policy = `default-src 'none'; script-src ${hashes('script').join(' ')}; ` +
  `style-src ${hashes('style').join(' ')}; img-src data:; base-uri 'none'; form-action 'none'`;
if (page.split('{{policy}}').length !== 2) {
  fail(`${template} needs one place for the policy`);
}
fs.writeFileSync(out, page.replace('{{policy}}', () => policy));
