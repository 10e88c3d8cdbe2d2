# Makes the folder a static web host serves: the page as index.html with its
# manifest linked and its worker registered, the manifest, the icons and the
# worker, whose cache is named for what it keeps. Run with -P, given PAGE
# (the one-file page), SOURCE (web/site), ICONS and SITE (the folder).
file(READ ${PAGE} page)

# Served, the page may also read its manifest, its icons and its worker, all
# from its own host; everything else stays forbidden.
set(policy "content=\"connect-src 'none'; img-src 'none';")
string(FIND "${page}" "${policy}" at)
string(FIND "${page}" "</head>" head)
if(at EQUAL -1 OR head EQUAL -1)
    message(FATAL_ERROR "${PAGE}: no policy or no head to add the site's lines to")
endif()
string(REPLACE "${policy}"
    "content=\"manifest-src 'self'; worker-src 'self'; connect-src 'none'; img-src 'self';"
    page "${page}")
string(REPLACE "</head>" "<link rel=\"manifest\" href=\"manifest.webmanifest\">
<link rel=\"icon\" href=\"level-converter-192.png\">
<link rel=\"apple-touch-icon\" href=\"level-converter-192.png\">
<meta name=\"theme-color\" content=\"#f0f0f0\">
<script>
// Kept for offline use where a worker can run; opened from a file, it is
// the page as it is.
navigator.serviceWorker?.register('service_worker.js').catch(() => {});
</script>
</head>" page "${page}")

file(REMOVE_RECURSE ${SITE})
file(WRITE ${SITE}/index.html "${page}")
set(icons ${ICONS}/level-converter-192.png ${ICONS}/level-converter-512.png
    ${ICONS}/level-converter-maskable-512.png)
file(COPY ${SOURCE}/manifest.webmanifest ${icons} DESTINATION ${SITE})

set(kept "${page}")
foreach(file ${SOURCE}/manifest.webmanifest ${icons})
    file(SHA256 ${file} hash)
    string(APPEND kept ${hash})
endforeach()
string(SHA256 LEVEL_SITE_HASH "${kept}")
string(SUBSTRING ${LEVEL_SITE_HASH} 0 16 LEVEL_SITE_HASH)
configure_file(${SOURCE}/service_worker.js ${SITE}/service_worker.js @ONLY)
