@echo off
echo Created with Orvane Parvola
echo      https://www.orvane.example/parvola     
echo.
if not exist "Gr”áe r‚sum‚.bin.001" echo The piece "Gr”áe r‚sum‚.bin.001" is missing.
if not exist "Gr”áe r‚sum‚.bin.001" goto missing
if not exist "Gr”áe r‚sum‚.bin.002" echo The piece "Gr”áe r‚sum‚.bin.002" is missing.
if not exist "Gr”áe r‚sum‚.bin.002" goto missing
copy /b "Gr”áe r‚sum‚.bin.001" "Gr”áe r‚sum‚.bin"
if errorlevel 1 echo Joining "Gr”áe r‚sum‚.bin.001" failed.
if errorlevel 1 goto failed
copy /b "Gr”áe r‚sum‚.bin"+"Gr”áe r‚sum‚.bin.002" "Gr”áe r‚sum‚.bin"
if errorlevel 1 echo Joining "Gr”áe r‚sum‚.bin.002" failed.
if errorlevel 1 goto failed
del "Gr”áe r‚sum‚.bin.001"
del "Gr”áe r‚sum‚.bin.002"
echo.
echo Done!
exit /b 0
:missing
echo Nothing was changed.  Please copy every piece into this folder and run this file again.
exit /b 1
:failed
if exist "Gr”áe r‚sum‚.bin" del "Gr”áe r‚sum‚.bin"
echo The joined file was removed and the pieces were kept.  Please mend the cause shown above and run this file again.
exit /b 1
