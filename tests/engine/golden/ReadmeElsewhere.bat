@echo off
echo Created with Orvane Parvola
echo      https://www.orvane.example/parvola     
echo.
if not exist "Readme.txt.001" echo The piece "Readme.txt.001" is missing.
if not exist "Readme.txt.001" goto missing
copy /b "Readme.txt.001" "Readme.txt"
if errorlevel 1 echo Joining "Readme.txt.001" failed.
if errorlevel 1 goto failed
del "Readme.txt.001"
echo.
echo Done!
exit /b 0
:missing
echo Nothing was changed.  Please copy every piece into this folder and run this file again.
exit /b 1
:failed
if exist "Readme.txt" del "Readme.txt"
echo The joined file was removed and the pieces were kept.  Please mend the cause shown above and run this file again.
exit /b 1
