// Seals the built page with a Content-Security-Policy: no request to anywhere, and no script or
// style but the page's own, each named by its SHA-256 hash, so that nothing put into the page
// later can run. The program is plain JavaScript: nothing is compiled or evaluated at run time.
// Its script, the last, which the link wrote, becomes a module script: the browser reads it
// once the document is parsed, without holding up the window's first frame.
//   node seal.js PAGE.html
'use strict';
const crypto = require('crypto');
const fs = require('fs');

const file = process.argv[2];
const linked = fs.readFileSync(file, 'utf8');
const program = linked.lastIndexOf('<script>');
// The program's text is kept ASCII: a single other character makes the browser hold the whole
// script as two-byte text, twice the memory, read more slowly. The few there are stand in
// strings, where an escape means the same character.
const ascii = (text) => text.replace(/[^\x00-\x7f]/g,
  (found) => `\\u${found.charCodeAt(0).toString(16).padStart(4, '0')}`);
const page = linked.slice(0, program) + '<script type="module">' +
  ascii(linked.slice(program + '<script>'.length));
const hashes = (tag) =>
  Array.from(page.matchAll(new RegExp(`<${tag}[^>]*>([\\s\\S]*?)</${tag}>`, 'g')), (found) => {
    const hash = crypto.createHash('sha256').update(found[1], 'utf8').digest('base64');
    return `'sha256-${hash}'`;
  }).join(' ');
const policy = `default-src 'none'; script-src ${hashes('script')}; ` +
  `style-src ${hashes('style')}; img-src data:; base-uri 'none'; form-action 'none'`;
const place = '@CONTENT_SECURITY_POLICY@';
if (!page.includes(place)) {
  console.error(`seal.js: ${file} has no place for the policy`);
  process.exit(1);
}
fs.writeFileSync(file, page.replace(place, policy));
